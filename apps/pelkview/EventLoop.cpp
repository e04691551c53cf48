#include "pelkview/EventLoop.h"

#include <exception>
#include <iostream>
#include <optional>

#include <SDL.h>

#include "core/FormFiles.h"
#include "pelkview/Keys.h"
#include "pelkview/MouseInput.h"

namespace pelk::view {

namespace {

constexpr const char* kPrintName = "pelkview.pdf";
constexpr const char* kFormName = "pelkview.pfm";
constexpr const char* kTitleSeparator = "   ";

class EventLoop : public KeyActions {
 public:
  EventLoop(Window& window, GraphView& view, const LoopSettings& settings)
      : window_(window), view_(view), settings_(settings) {}

  void Run() {
    // The first picture shows without waiting for an expose.
    exposed_ = true;
    while (!quit_) {
      AfterEvents();
      SDL_Event event;
      if (SDL_WaitEvent(&event) == 0) throw VideoError(std::string("waiting for events: ") + SDL_GetError());
      Handle(event);
      while (!quit_ && SDL_PollEvent(&event)) Handle(event);
    }
  }

  void Quit() override { quit_ = true; }

  // A failed save or print is reported; the viewer goes on.
  void SavePicture() override {
    Report([&] { view_.Save(settings_.saveName); }, "saved " + settings_.saveName);
  }

  void PrintView() override {
    Report([&] { view_.Print(kPrintName); }, std::string("printed ") + kPrintName);
  }

  void SaveSettings() override {
    Report([&] { WriteFormFile(kFormName, view_.Graph()); }, std::string("saved ") + kFormName);
  }

  void UndoZoom() override {
    if (!view_.Undo()) Tell("at the full range");
    keysShown_ = false;
  }

  void ToggleKeys() override {
    keysShown_ = !keysShown_;
    if (keysShown_) {
      std::cout << KeysHelpText() << std::flush;
      view_.ShowRows(HelpRows());
    } else {
      view_.Redraw();
    }
  }

 private:
  template <class Action>
  void Report(Action action, const std::string& done) {
    try {
      action();
      std::cout << done << std::endl;
      Tell(done);
    } catch (const std::exception& e) {
      std::cerr << "pelkview: " << e.what() << std::endl;
      Tell(e.what());
    }
  }

  // A message in the title until the cursor moves over the plot area.
  void Tell(const std::string& message) { window_.SetTitle(settings_.title + kTitleSeparator + message); }

  void Handle(const SDL_Event& event) {
    switch (event.type) {
      case SDL_QUIT:
        quit_ = true;
        break;
      case SDL_WINDOWEVENT:
        WindowEvent(event.window);
        break;
      case SDL_KEYDOWN:
        if (!event.key.repeat) NamedKey(event.key.keysym.sym);
        break;
      case SDL_TEXTINPUT:
        Key(event.text.text);
        break;
      case SDL_MOUSEWHEEL:
        view_.Wheel(event.wheel.mouseX, event.wheel.mouseY,
                    event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y);
        keysShown_ = false;
        break;
      case SDL_MOUSEBUTTONDOWN:
        keysShown_ = false;
        mouse_.Route(event, view_.Form());
        break;
      case SDL_MOUSEMOTION:
        mouse_.Route(event, view_.Form());
        ShowReadout(event.motion.x, event.motion.y);
        break;
      default:
        mouse_.Route(event, view_.Form());
        break;
    }
  }

  // The keys without a character of their own; characters come as text.
  void NamedKey(SDL_Keycode key) {
    if (key == SDLK_BACKSPACE) Key("Backspace");
    if (key == SDLK_ESCAPE) Key("Escape");
  }

  void Key(std::string_view name) {
    if (const KeyBinding* binding = BindingFor(name)) (this->*(binding->action))();
  }

  void ShowReadout(int x, int y) {
    const std::optional<std::string> readout = view_.ReadoutAt(x, y);
    if (readout) window_.SetTitle(settings_.title + kTitleSeparator + *readout);
  }

  void WindowEvent(const SDL_WindowEvent& event) {
    if (event.windowID != window_.Id()) return;
    switch (event.event) {
      case SDL_WINDOWEVENT_SIZE_CHANGED:
        resized_ = true;
        break;
      case SDL_WINDOWEVENT_EXPOSED:
        exposed_ = true;
        break;
      case SDL_WINDOWEVENT_CLOSE:
        quit_ = true;
        break;
      case SDL_WINDOWEVENT_LEAVE:
        window_.SetTitle(settings_.title);
        break;
      default:
        break;
    }
  }

  // Once the queued events are handled: follow the window's size, serve the
  // form's paints and show its surface if it changed.
  void AfterEvents() {
    if (resized_) {
      resized_ = false;
      keysShown_ = false;
      const ClientSize size = window_.Size();
      view_.Resize(size.width, size.height);
    }
    TForm& form = view_.Form();
    form.ProcessMessages();
    if (form.TakeSurfaceChanged() || exposed_) window_.Present(form.ClientSurface());
    exposed_ = false;
  }

  Window& window_;
  GraphView& view_;
  const LoopSettings& settings_;
  MouseRouter mouse_;
  bool quit_ = false;
  bool resized_ = false;
  bool exposed_ = false;
  bool keysShown_ = false;
};

}  // namespace

void RunEventLoop(Window& window, GraphView& view, const LoopSettings& settings) {
  EventLoop(window, view, settings).Run();
}

}  // namespace pelk::view
