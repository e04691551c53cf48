// The viewer program itself: in a virtual display (Xvfb), synthetic input
// (xdotool) drags, wheels and steps back, and the window's pixels, read back
// through Xlib, show each step; without a display, one line and no more.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tests/DocumentReadBack.h"
#include "tests/TempDirTest.h"

// Last: Xlib's macros (None, Status) would clash with names above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

extern char** environ;

namespace pelk {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(5);
constexpr auto kPoll = std::chrono::milliseconds(40);
constexpr int kWidth = 400, kHeight = 300;
// What the viewer is started without: its display, its runtime directory.
const std::vector<std::string> kViewerOwnVariables{"DISPLAY",         "XDG_RUNTIME_DIR", "WAYLAND_DISPLAY",
                                                   "SDL_VIDEODRIVER", "LSAN_OPTIONS"};
// A sanitized build's leak checker lists the suppressions it used at exit.
constexpr const char* kQuietLeakCheck = "LSAN_OPTIONS=print_suppressions=0";

// The environment with the given variables left out and others added.
std::vector<std::string> EnvironmentWith(const std::vector<std::string>& dropped,
                                         const std::vector<std::string>& added) {
  std::vector<std::string> variables;
  for (char** entry = environ; *entry; ++entry) {
    const std::string variable = *entry;
    bool drop = false;
    for (const std::string& name : dropped) drop = drop || variable.rfind(name + "=", 0) == 0;
    if (!drop) variables.push_back(variable);
  }
  variables.insert(variables.end(), added.begin(), added.end());
  return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

// A child process started by the test, ended with it.
class Child {
 public:
  // Standard output and error go to `output` (empty: /dev/null); the
  // child inherits the test's other open descriptors and runs in
  // `directory` (empty: the test's).
  Child(std::vector<std::string> arguments, std::vector<std::string> environment, const std::string& output,
        const std::string& directory = "") {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!directory.empty()) posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    const std::string target = output.empty() ? "/dev/null" : output;
    posix_spawn_file_actions_addopen(&actions, 1, target.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    std::vector<char*> argv = Pointers(arguments);
    std::vector<char*> envp = Pointers(environment);
    if (posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
  }
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  ~Child() {
    if (pid_ <= 0 || Finished()) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  bool Started() const { return pid_ > 0; }
  // The exit status once the child ends within the patience; nothing else.
  std::optional<int> Wait() {
    for (const auto until = Clock::now() + kPatience; Clock::now() < until; std::this_thread::sleep_for(kPoll)) {
      if (Finished()) return status_;
    }
    return std::nullopt;
  }

 private:
  bool Finished() {
    if (status_) return true;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) != pid_) return false;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return true;
  }

  pid_t pid_ = -1;
  std::optional<int> status_;
};

// A virtual display on a free number, which Xvfb writes to a pipe.
class VirtualDisplay {
 public:
  VirtualDisplay() {
    int fds[2];
    if (pipe(fds) != 0) return;
    server_.emplace(std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                                             "800x600x24", "-nolisten", "tcp"},
                    EnvironmentWith({}, {}), "");
    close(fds[1]);
    std::string number;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (!number.empty()) name_ = ":" + number;
  }
  const std::string& Name() const { return name_; }

 private:
  std::optional<Child> server_;
  std::string name_;
};

bool Installed(const std::string& program) { return RunCommand("command -v " + program).status == 0; }

class ViewWindow : public TempDirTest {
 protected:
  // xdotool on the display; its output without the line end.
  std::string Xdotool(const std::string& arguments) {
    std::string out = RunCommand("DISPLAY=" + display_ + " xdotool " + arguments).output;
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
    return out;
  }

  // The window's pixels, 0x00RRGGBB; empty when they cannot be read.
  std::vector<std::uint32_t> Screenshot() {
    std::vector<std::uint32_t> pixels;
    XImage* image = XGetImage(x_, window_, 0, 0, kWidth, kHeight, AllPlanes, ZPixmap);
    if (!image) return pixels;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFF);
    XDestroyImage(image);
    return pixels;
  }

  // The picture once it has stopped changing and `done` holds for it.
  template <class Done>
  std::vector<std::uint32_t> SettledPicture(Done done) {
    std::vector<std::uint32_t> last = Screenshot();
    for (const auto until = Clock::now() + kPatience; Clock::now() < until;) {
      std::this_thread::sleep_for(kPoll);
      std::vector<std::uint32_t> now = Screenshot();
      if (now == last && done(now)) return now;
      last = std::move(now);
    }
    ADD_FAILURE() << "the window did not show the expected picture in time";
    return last;
  }

  std::string display_;
  Display* x_ = nullptr;
  Window window_ = 0;
};

TEST_F(ViewWindow, DragWheelAndUndoShowInTheWindowAndEachUndoRestoresThePictureExactly) {
  if (!Installed("Xvfb")) GTEST_SKIP() << "Xvfb is not installed (scripts/install-deps.sh installs it)";
  ASSERT_TRUE(Installed("xdotool")) << "xdotool is not installed (scripts/install-deps.sh installs it)";
  VirtualDisplay display;
  display_ = display.Name();
  ASSERT_FALSE(display_.empty()) << "Xvfb gave no display";
  const std::string log = PathOf("pelkview.log");
  Child viewer({PELK_VIEW_PATH, "--size", std::to_string(kWidth) + "x" + std::to_string(kHeight), "-o",
                PathOf("view.png")},
               EnvironmentWith(kViewerOwnVariables, {"DISPLAY=" + display_, kQuietLeakCheck}),
               log, dir_.string());
  ASSERT_TRUE(viewer.Started());
  const std::string id = Xdotool("search --sync --onlyvisible --name '^pelkview'");
  ASSERT_FALSE(id.empty() || id.find_first_not_of("0123456789") != std::string::npos) << id;
  const std::string w = id;
  x_ = XOpenDisplay(display_.c_str());
  ASSERT_NE(x_, nullptr);
  window_ = std::stoul(id);

  // The graph shows: more than the backdrop.
  const auto shown = [](const std::vector<std::uint32_t>& p) {
    return !p.empty() && std::count(p.begin(), p.end(), p.front()) < static_cast<long>(p.size()) / 2;
  };
  const auto full = SettledPicture(shown);

  // The values under the cursor in the title.
  Xdotool("mousemove --window " + w + " 200 150");
  std::string title;
  for (const auto until = Clock::now() + kPatience; Clock::now() < until; std::this_thread::sleep_for(kPoll)) {
    title = Xdotool("getwindowname " + w);
    if (title.find("   x ") != std::string::npos) break;
  }
  EXPECT_NE(title.find("   x "), std::string::npos) << title;
  EXPECT_NE(title.find("   y "), std::string::npos) << title;

  Xdotool("mousemove --window " + w + " 130 100 mousedown 1 mousemove --window " + w +
          " 200 150 mousemove --window " + w + " 270 200 mouseup 1");
  const auto zoomed = SettledPicture([&](const auto& p) { return p != full; });
  Xdotool("mousemove --window " + w + " 200 150 click 4");
  const auto wheeled = SettledPicture([&](const auto& p) { return p != zoomed; });
  EXPECT_NE(wheeled, full);

  Xdotool("key --window " + w + " u");
  EXPECT_TRUE(SettledPicture([&](const auto& p) { return p == zoomed; }) == zoomed);
  Xdotool("key --window " + w + " BackSpace");
  EXPECT_TRUE(SettledPicture([&](const auto& p) { return p == full; }) == full);

  // The print key writes the view's document where the viewer runs and says so.
  Xdotool("key --window " + w + " p");
  for (const auto until = Clock::now() + kPatience; Clock::now() < until; std::this_thread::sleep_for(kPoll)) {
    if (Xdotool("getwindowname " + w).find("printed pelkview.pdf") != std::string::npos) break;
  }
  EXPECT_EQ(ReadText(PathOf("pelkview.pdf")).substr(0, 5), "%PDF-");

  Xdotool("key --window " + w + " q");
  EXPECT_EQ(viewer.Wait(), std::optional<int>(0));
  XCloseDisplay(x_);
  // Nothing else on the terminal: SDL's libraries found a runtime directory.
  EXPECT_EQ(ReadText(log), "printed pelkview.pdf\n");
}

TEST_F(ViewWindow, WithoutADisplayTheViewerSaysSoInOneLine) {
  const std::string log = PathOf("pelkview.log");
  Child viewer({PELK_VIEW_PATH},
               EnvironmentWith(kViewerOwnVariables, {kQuietLeakCheck}), log);
  ASSERT_TRUE(viewer.Started());
  EXPECT_EQ(viewer.Wait(), std::optional<int>(1));
  EXPECT_EQ(ReadText(log), "pelkview: no display to show a window on (is DISPLAY or WAYLAND_DISPLAY set?)\n");
}

}  // namespace
}  // namespace pelk
