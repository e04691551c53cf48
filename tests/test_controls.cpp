// Controls on a form: bounds, visibility, parents, and the control canvas
// drawing on the form's surface.
#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Gdi.h"

namespace pelk {
namespace {

TEST(ControlBounds, SetBoundsNormalisesSizesAndInvalidatesOnlyOnChange) {
  struct Case {
    const char* name;
    int left, top, width, height;
    TRect expected;
    bool invalidates;
  };
  // Each case starts from a control at (10, 20) sized 30 x 40.
  const Case cases[] = {
      {"unchanged", 10, 20, 30, 40, {10, 20, 40, 60}, false},
      {"moved", 11, 20, 30, 40, {11, 20, 41, 60}, true},
      {"resized", 10, 20, 31, 40, {10, 20, 41, 60}, true},
      {"negative sizes are zero", 10, 20, -5, -1, {10, 20, 10, 20}, true},
      {"right edge stays in int", INT_MAX - 5, 0, 100, 10, {INT_MAX - 5, 0, INT_MAX, 10}, true},
      {"bottom edge stays in int", 0, INT_MAX, 10, 10, {0, INT_MAX, 10, INT_MAX}, true},
      {"far left keeps its width", INT_MIN, 0, 100, 10, {INT_MIN, 0, INT_MIN + 100, 10}, true},
  };
  for (const Case& c : cases) {
    TForm form;
    TControl control(&form);
    control.SetBounds(10, 20, 30, 40);
    form.ProcessMessages();
    control.SetBounds(c.left, c.top, c.width, c.height);
    EXPECT_EQ(control.BoundsRect(), c.expected) << c.name;
    EXPECT_GE(control.Width(), 0) << c.name;
    EXPECT_EQ(form.IsInvalidated(control), c.invalidates) << c.name;
  }
}

TEST(ControlBounds, VisibilityChangeInvalidates) {
  TForm form;
  TControl control(&form);
  form.ProcessMessages();
  control.SetVisible(true);
  EXPECT_FALSE(form.IsInvalidated(control));
  control.SetVisible(false);
  EXPECT_TRUE(form.IsInvalidated(control));
}

TEST(ControlParent, FormOwnerBecomesParentAndParentsCanChange) {
  TForm a;
  TForm b;
  TComponent plainOwner(nullptr);
  TControl onA(&a);
  TControl unparented(&plainOwner);
  EXPECT_EQ(onA.Parent(), &a);
  EXPECT_EQ(unparented.Parent(), nullptr);
  unparented.Invalidate();  // nothing to ask; must not crash

  a.ProcessMessages();
  onA.Invalidate();
  onA.SetParent(&b);
  EXPECT_TRUE(a.Controls().empty());
  EXPECT_FALSE(a.IsInvalidated(onA)) << "the old form keeps no queued paint";
  ASSERT_EQ(b.Controls().size(), 1u);
  EXPECT_EQ(b.Controls()[0], &onA);
  EXPECT_TRUE(b.IsInvalidated(onA)) << "a control placed on a form gets painted";
  EXPECT_EQ(onA.Owner(), &a) << "the owner does not change with the parent";

  // A caller using the form's own entry points keeps both sides in step.
  b.RemoveControl(onA);
  EXPECT_EQ(onA.Parent(), nullptr);
  a.AddControl(onA);
  EXPECT_EQ(onA.Parent(), &a);
  EXPECT_EQ(a.Controls().size(), 1u);
}

TEST(ControlParent, DestroyingFormOrControlFirstIsSafe) {
  auto form = std::make_unique<TForm>();
  auto first = std::make_unique<TGraphicControl>(form.get());
  auto second = std::make_unique<TGraphicControl>(form.get());
  first.reset();
  ASSERT_EQ(form->Controls().size(), 1u);
  EXPECT_EQ(form->Controls()[0], second.get());

  form.reset();
  EXPECT_EQ(second->Parent(), nullptr);
  EXPECT_EQ(second->Owner(), nullptr);
  EXPECT_EQ(second->Canvas().DeviceSurface(), nullptr);
  second->Invalidate();
  second.reset();
}

// The form's pixel at (x, y).
TColor FormPixel(TForm& form, int x, int y) { return form.ClientSurface().Get(x, y); }

struct ControlOnForm : ::testing::Test {
  ControlOnForm() : control(&form) {
    form.SetColor(clWhite);
    form.SetClientSize(200, 150);
    control.SetBounds(100, 50, 40, 30);
    form.TakeSurfaceChanged();
  }
  TForm form;
  TGraphicControl control;
};

TEST_F(ControlOnForm, CanvasDrawsAtTheControlsPositionAndWithinItsBounds) {
  TCanvas& canvas = control.Canvas();
  canvas.Brush().SetColor(clRed);
  canvas.FillRect(TRect{-10, -10, 100, 100});

  struct Probe {
    int x, y;
    TColor expected;
  };
  const Probe probes[] = {
      {100, 50, clRed}, {139, 79, clRed}, {120, 60, clRed},     // inside
      {99, 50, clWhite}, {140, 50, clWhite},                      // left, right
      {100, 49, clWhite}, {100, 80, clWhite}, {0, 0, clWhite},  // above, below
  };
  for (const Probe& p : probes)
    EXPECT_EQ(FormPixel(form, p.x, p.y), p.expected) << p.x << "," << p.y;
  EXPECT_TRUE(form.TakeSurfaceChanged());

  // Logical coordinates: (0, 0) is the control's top-left pixel.
  canvas.SetPixel(0, 0, clBlue);
  canvas.SetPixel(-1, 0, clBlue);  // outside the control
  canvas.SetPixel(40, 29, clBlue);
  EXPECT_EQ(FormPixel(form, 100, 50), clBlue);
  EXPECT_EQ(FormPixel(form, 99, 50), clWhite);
  EXPECT_EQ(FormPixel(form, 140, 79), clWhite);
  EXPECT_EQ(canvas.Pixel(0, 0), clBlue);
  EXPECT_EQ(canvas.Pixel(39, 29), clRed);
}

TEST_F(ControlOnForm, RectangleOutlineLandsOnTheControlsEdges) {
  TCanvas& canvas = control.Canvas();
  canvas.Pen().SetColor(clBlack);
  canvas.Brush().SetColor(clLime);
  canvas.Rectangle(0, 0, 40, 30);
  EXPECT_EQ(FormPixel(form, 100, 50), clBlack);
  EXPECT_EQ(FormPixel(form, 139, 79), clBlack);
  EXPECT_EQ(FormPixel(form, 101, 51), clLime);
  EXPECT_EQ(FormPixel(form, 140, 80), clWhite);
}

TEST_F(ControlOnForm, ClipRegionIsInFormCoordinates) {
  TCanvas& canvas = control.Canvas();
  HRGN region = CreateRectRgn(120, 60, 200, 150);  // overlaps the control's lower right
  ASSERT_NE(SelectClipRgn(&canvas, region), RGN_ERROR);
  DeleteObject(region);
  canvas.Brush().SetColor(clRed);
  canvas.FillRect(control.ClientRect());

  struct Probe {
    int x, y;
    TColor expected;
  };
  const Probe probes[] = {
      {120, 60, clRed},    {139, 79, clRed},    // clip and control overlap
      {119, 60, clWhite},  {120, 59, clWhite},  // control only
      {140, 60, clWhite},  {150, 100, clWhite}, // clip only
  };
  for (const Probe& p : probes)
    EXPECT_EQ(FormPixel(form, p.x, p.y), p.expected) << p.x << "," << p.y;
}

TEST_F(ControlOnForm, ControlWithoutParentDrawsNothing) {
  control.SetParent(nullptr);
  TCanvas& canvas = control.Canvas();
  EXPECT_EQ(canvas.DeviceSurface(), nullptr);
  canvas.Brush().SetColor(clRed);
  canvas.FillRect(TRect{0, 0, 40, 30});
  canvas.SetPixel(0, 0, clRed);
  EXPECT_EQ(canvas.Pixel(0, 0), CLR_INVALID);
  EXPECT_EQ(FormPixel(form, 100, 50), clWhite);
}

}  // namespace
}  // namespace pelk
