// The defined form-file entries of the graph and its axes: texts that are
// written every time, also when empty, and read back through their setters.
#include "core/Axis.h"
#include "core/Pelkgraph.h"
#include "platform/Streaming.h"

namespace pelk {

void TPelkgraph::DefineProperties(TFiler& Filer) {
  Filer.DefineProperty("Title", [this](TReader& r) { ReadTitle(r); }, [this](TWriter& w) { WriteTitle(w); }, true);
  Filer.DefineProperty("Subtitle", [this](TReader& r) { ReadSubtitle(r); }, [this](TWriter& w) { WriteSubtitle(w); },
                       true);
  Filer.DefineProperty("Id", [this](TReader& r) { ReadId(r); }, [this](TWriter& w) { WriteId(w); }, true);
}

void TPelkgraph::ReadTitle(TReader& Reader) { SetTitle(Reader.ReadString()); }
void TPelkgraph::WriteTitle(TWriter& Writer) const { Writer.WriteString(FTitle); }
void TPelkgraph::ReadSubtitle(TReader& Reader) { SetSubtitle(Reader.ReadString()); }
void TPelkgraph::WriteSubtitle(TWriter& Writer) const { Writer.WriteString(FSubtitle); }
void TPelkgraph::ReadId(TReader& Reader) { SetIdentification(Reader.ReadString()); }
void TPelkgraph::WriteId(TWriter& Writer) const { Writer.WriteString(FId); }

void TAxis::DefineProperties(TFiler& Filer) {
  Filer.DefineProperty("AxisLabel", [this](TReader& r) { ReadAxisLabel(r); },
                       [this](TWriter& w) { WriteAxisLabel(w); }, true);
}

void TAxis::ReadAxisLabel(TReader& Reader) { SetAxisLabel(Reader.ReadString()); }
void TAxis::WriteAxisLabel(TWriter& Writer) const { Writer.WriteString(FAxisLabel); }

}  // namespace pelk
