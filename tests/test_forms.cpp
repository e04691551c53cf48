// The form's paint queue: invalidated controls are painted later, once per
// round, never inside the call that invalidated them.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include <pelkgraph/pelkgraph.h>

namespace pelk {
namespace {

// A control whose Paint runs a test-supplied action and records nesting.
class PaintProbe : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  std::function<void()> onPaint;
  int depth = 0;
  int deepest = 0;
  void Paint() override {
    ++depth;
    deepest = std::max(deepest, depth);
    if (onPaint) onPaint();
    --depth;
  }
};

struct PaintQueue : ::testing::Test {
  PaintQueue() : a(&form), b(&form) {
    a.SetBounds(0, 0, 10, 10);
    b.SetBounds(20, 0, 10, 10);
    form.ProcessMessages();
  }
  TForm form;
  PaintProbe a;
  PaintProbe b;
};

TEST_F(PaintQueue, RepeatedInvalidatesGiveOnePaint) {
  EXPECT_EQ(form.ProcessMessages(), 0);
  int before = form.PaintCount(a);
  for (int i = 0; i < 5; ++i) a.Invalidate();
  EXPECT_EQ(form.PaintCount(a), before) << "Invalidate does not paint at once";
  EXPECT_TRUE(form.IsInvalidated(a));
  EXPECT_FALSE(form.IsInvalidated(b));
  EXPECT_EQ(form.ProcessMessages(), 1);
  EXPECT_EQ(form.PaintCount(a), before + 1);
  EXPECT_FALSE(form.IsInvalidated(a));
  EXPECT_EQ(form.ProcessMessages(), 0);
}

TEST_F(PaintQueue, InvalidateDuringPaintIsServedInTheNextRound) {
  std::string order;
  int paintsOfA = 0;
  a.onPaint = [&] {
    order += 'a';
    if (++paintsOfA == 1) {
      a.Invalidate();  // itself, once more
      b.Invalidate();  // taken for this round already: queued for the next
    }
  };
  b.onPaint = [&] { order += 'b'; };
  a.Invalidate();
  b.Invalidate();
  EXPECT_EQ(form.ProcessMessages(), 4);
  EXPECT_EQ(order, "abab");
  EXPECT_EQ(a.deepest, 1) << "Paint never runs inside Paint";
}

TEST_F(PaintQueue, ControlThatAlwaysInvalidatesStopsAfterTheRoundLimit) {
  a.onPaint = [&] { a.Invalidate(); };
  a.Invalidate();
  EXPECT_EQ(form.ProcessMessages(), 64);
  EXPECT_TRUE(form.IsInvalidated(a)) << "the rest waits for the next call";
  EXPECT_EQ(a.deepest, 1);
}

TEST_F(PaintQueue, InvisibleControlsAreNotPainted) {
  a.SetVisible(false);
  a.Invalidate();
  EXPECT_EQ(form.ProcessMessages(), 0);
  EXPECT_FALSE(form.IsInvalidated(a)) << "dropped, not kept for later";
  a.SetVisible(true);  // showing it asks for a paint
  EXPECT_EQ(form.ProcessMessages(), 1);

  // Hidden by an earlier Paint of the same round.
  a.onPaint = [&] { b.SetVisible(false); };
  a.Invalidate();
  b.Invalidate();
  int paintsOfB = form.PaintCount(b);
  form.ProcessMessages();
  EXPECT_EQ(form.PaintCount(b), paintsOfB);
}

TEST_F(PaintQueue, ControlDestroyedByAnEarlierPaintIsSkipped) {
  auto doomed = std::make_unique<PaintProbe>(&form);
  bool doomedPainted = false;
  form.ProcessMessages();  // serve the paint of its placement
  doomed->onPaint = [&] { doomedPainted = true; };
  a.onPaint = [&] { doomed.reset(); };
  a.Invalidate();
  doomed->Invalidate();
  EXPECT_EQ(form.ProcessMessages(), 1);
  EXPECT_FALSE(doomedPainted);
  EXPECT_EQ(form.Controls().size(), 2u);
}

TEST_F(PaintQueue, RemovedControlLeavesQueueAndCounts) {
  a.Invalidate();
  form.ProcessMessages();
  ASSERT_GT(form.PaintCount(a), 0);
  a.Invalidate();
  a.SetParent(nullptr);
  EXPECT_FALSE(form.IsInvalidated(a));
  EXPECT_EQ(form.PaintCount(a), 0);
  EXPECT_EQ(form.ProcessMessages(), 0);
  form.InvalidateControl(a);  // not on this form: ignored
  EXPECT_FALSE(form.IsInvalidated(a));
}

TEST_F(PaintQueue, PaintThatThrowsKeepsTheRestQueued) {
  a.onPaint = [] { throw std::runtime_error("paint failed"); };
  a.Invalidate();
  b.Invalidate();
  EXPECT_THROW(form.ProcessMessages(), std::runtime_error);
  EXPECT_FALSE(form.IsInvalidated(a));
  EXPECT_TRUE(form.IsInvalidated(b));
  a.onPaint = nullptr;
  EXPECT_EQ(form.ProcessMessages(), 1);
}

TEST(FormClientSize, ResizeRefillsAndInvalidatesEveryControl) {
  TForm form;
  EXPECT_EQ(form.ClientWidth(), 640);
  EXPECT_EQ(form.ClientHeight(), 480);
  EXPECT_EQ(form.ClientSurface().Get(639, 479), ColorToRGB(clBtnFace));

  TControl a(&form);
  TControl b(&form);
  form.ProcessMessages();
  form.SetColor(clNavy);
  struct Case {
    int width, height, expectedWidth, expectedHeight;
  };
  const Case cases[] = {
      {300, 200, 300, 200}, {-5, 10, 0, 10}, {0, 0, 0, 0}, {1 << 30, 3, 16384, 3}, {1, 1, 1, 1}};
  for (const Case& c : cases) {
    form.TakeSurfaceChanged();
    form.SetClientSize(c.width, c.height);
    EXPECT_EQ(form.ClientWidth(), c.expectedWidth) << c.width;
    EXPECT_EQ(form.ClientHeight(), c.expectedHeight) << c.height;
    EXPECT_TRUE(form.IsInvalidated(a) && form.IsInvalidated(b)) << c.width;
    EXPECT_TRUE(form.TakeSurfaceChanged());
    if (c.expectedWidth > 0 && c.expectedHeight > 0) {
      EXPECT_EQ(form.ClientSurface().Get(c.expectedWidth - 1, c.expectedHeight - 1), clNavy);
    }
    EXPECT_EQ(form.ProcessMessages(), 2);
  }
}

}  // namespace
}  // namespace pelk
