// Registration with the form designer: the graph on the palette page
// "Samples".
#pragma once

namespace pelk {

// RegisterComponents("Samples", {TPelkgraph}); registering again changes nothing.
void Register();

}  // namespace pelk
