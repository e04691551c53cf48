// Mouse routing of a form: target control, control coordinates, capture,
// click and double-click order.
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

#include <pelkgraph/pelkgraph.h>

namespace pelk {
namespace {

// Connects a control's events to a shared log line such as "A down L 10,15".
void Record(TControl& control, const std::string& name, std::string& log) {
  TControl* self = &control;
  auto add = [=, &log](TObject* sender, const std::string& entry) {
    log += (log.empty() ? "" : "; ") + name + (sender == self ? "" : " (wrong sender)") + entry;
  };
  auto at = [](TShiftState shift, int x, int y) {
    return std::to_string(x) + "," + std::to_string(y) + (shift.Contains(ssDouble) ? " D" : "");
  };
  auto button = [](TMouseButton b) {
    return std::string(b == mbLeft ? " L " : b == mbRight ? " R " : " M ");
  };
  control.OnMouseDown = [=](TObject* s, TMouseButton b, TShiftState shift, int x, int y) {
    add(s, " down" + button(b) + at(shift, x, y));
  };
  control.OnMouseMove = [=](TObject* s, TShiftState shift, int x, int y) {
    add(s, " move " + at(shift, x, y));
  };
  control.OnMouseUp = [=](TObject* s, TMouseButton b, TShiftState shift, int x, int y) {
    add(s, " up" + button(b) + at(shift, x, y));
  };
  control.OnClick = [=](TObject* s) { add(s, " click"); };
  control.OnDblClick = [=](TObject* s) { add(s, " dbl"); };
}

enum class Input { Down, Move, Up, Double };

struct Step {
  Input input;
  TMouseButton button;
  int x, y;
};

void Send(TForm& form, const Step& s) {
  switch (s.input) {
    case Input::Down:
      form.MouseDown(s.button, {}, s.x, s.y);
      break;
    case Input::Move:
      form.MouseMove({}, s.x, s.y);
      break;
    case Input::Up:
      form.MouseUp(s.button, {}, s.x, s.y);
      break;
    case Input::Double:
      form.DoubleClick(s.button, {}, s.x, s.y);
      break;
  }
}

// A at (100, 50) 40 x 30; B on top of A's lower right at (130, 60); C apart.
struct MouseRouting : ::testing::Test {
  MouseRouting() : a(&form), b(&form), c(&form) {
    a.SetBounds(100, 50, 40, 30);
    b.SetBounds(130, 60, 40, 30);
    c.SetBounds(300, 300, 20, 20);
    Record(a, "A", log);
    Record(b, "B", log);
    Record(c, "C", log);
  }
  TForm form;
  TControl a, b, c;
  std::string log;
};

TEST_F(MouseRouting, Scenarios) {
  using enum Input;
  struct Scenario {
    const char* name;
    std::vector<Step> steps;
    std::string expected;
  };
  const Scenario scenarios[] = {
      {"press and release deliver control coordinates, Click before MouseUp",
       {{Down, mbLeft, 110, 65}, {Up, mbLeft, 111, 66}},
       "A down L 10,15; A click; A up L 11,16"},
      {"capture keeps moves and the release outside the control",
       {{Down, mbLeft, 110, 65}, {Move, mbLeft, 0, 0}, {Up, mbLeft, 0, 0}, {Move, mbLeft, 0, 0}},
       "A down L 10,15; A move -100,-50; A up L -100,-50"},
      {"the topmost control wins where controls overlap",
       {{Down, mbLeft, 135, 70}, {Up, mbLeft, 135, 70}},
       "B down L 5,10; B click; B up L 5,10"},
      {"released over another control: no click, the captured control gets the release",
       {{Down, mbLeft, 110, 65}, {Up, mbLeft, 305, 305}},
       "A down L 10,15; A up L 205,255"},
      {"only the left button clicks",
       {{Down, mbRight, 110, 65}, {Up, mbRight, 110, 65}},
       "A down R 10,15; A up R 10,15"},
      {"pressed outside every control, released over one: no click",
       {{Down, mbLeft, 0, 0}, {Up, mbLeft, 110, 65}},
       "A up L 10,15"},
      {"capture lasts until every button is up",
       {{Down, mbLeft, 110, 65},
        {Down, mbRight, 305, 305},
        {Up, mbLeft, 305, 305},
        {Move, mbLeft, 305, 305},
        {Up, mbRight, 305, 305},
        {Move, mbLeft, 305, 305}},
       "A down L 10,15; A down R 205,255; A up L 205,255; A move 205,255; A up R 205,255; "
       "C move 5,5"},
      {"without a button, moves go to the control under the pointer",
       {{Move, mbLeft, 110, 65}, {Move, mbLeft, 135, 70}, {Move, mbLeft, 0, 0}},
       "A move 10,15; B move 5,10"},
      {"double click: Click once, then DblClick and a press with ssDouble, no second Click",
       {{Down, mbLeft, 110, 65},
        {Up, mbLeft, 110, 65},
        {Double, mbLeft, 110, 65},
        {Up, mbLeft, 110, 65}},
       "A down L 10,15; A click; A up L 10,15; A dbl; A down L 10,15 D; A up L 10,15"},
  };
  for (const Scenario& s : scenarios) {
    log.clear();
    for (const Step& step : s.steps) Send(form, step);
    EXPECT_EQ(log, s.expected) << s.name;
  }
}

TEST_F(MouseRouting, HiddenControlsAreNotTargets) {
  b.SetVisible(false);
  form.MouseDown(mbLeft, {}, 135, 70);
  form.MouseUp(mbLeft, {}, 135, 70);
  EXPECT_EQ(log, "A down L 35,20; A click; A up L 35,20");
}

TEST_F(MouseRouting, CapturedCoordinatesSaturateAtTheIntLimits) {
  constexpr int kLow = std::numeric_limits<int>::min(), kHigh = std::numeric_limits<int>::max();
  form.MouseDown(mbLeft, {}, 110, 65);
  form.MouseMove({}, kLow, kHigh);
  form.MouseUp(mbLeft, {}, kLow, kLow);
  EXPECT_EQ(log, "A down L 10,15; A move " + std::to_string(kLow) + "," + std::to_string(kHigh - 50) + "; A up L " +
                     std::to_string(kLow) + "," + std::to_string(kLow));
}

TEST_F(MouseRouting, UnknownButtonsAreIgnored) {
  auto bogus = static_cast<TMouseButton>(200);
  form.MouseDown(bogus, {}, 110, 65);
  form.DoubleClick(bogus, {}, 110, 65);
  form.MouseUp(bogus, {}, 110, 65);
  form.MouseMove({}, 0, 0);
  EXPECT_EQ(log, "");
}

TEST(MouseRoutingLifetime, ControlDestroyedByItsOwnHandlersIsForgotten) {
  TForm form;
  std::string log;
  auto pressed = std::make_unique<TControl>(&form);
  pressed->SetBounds(0, 0, 50, 50);
  pressed->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { pressed.reset(); };
  form.MouseDown(mbLeft, {}, 10, 10);
  ASSERT_EQ(pressed, nullptr);
  form.MouseMove({}, 60, 60);  // no capture left to deliver to
  form.MouseUp(mbLeft, {}, 10, 10);

  auto clicked = std::make_unique<TControl>(&form);
  clicked->SetBounds(0, 0, 50, 50);
  bool upAfterDestroy = false;
  clicked->OnClick = [&](TObject*) { clicked.reset(); };
  clicked->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) {
    upAfterDestroy = true;
  };
  form.MouseDown(mbLeft, {}, 10, 10);
  form.MouseUp(mbLeft, {}, 10, 10);
  EXPECT_EQ(clicked, nullptr);
  EXPECT_FALSE(upAfterDestroy);
  EXPECT_TRUE(form.Controls().empty());
}

}  // namespace
}  // namespace pelk
