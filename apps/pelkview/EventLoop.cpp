#include "pelkview/EventLoop.h"

#include <exception>
#include <iostream>

#include <SDL.h>

#include "pelkview/MouseInput.h"

namespace pelk::view {

namespace {

class EventLoop {
 public:
  EventLoop(Window& window, GraphView& view, const std::string& saveName)
      : window_(window), view_(view), saveName_(saveName) {}

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

 private:
  void Handle(const SDL_Event& event) {
    switch (event.type) {
      case SDL_QUIT:
        quit_ = true;
        break;
      case SDL_WINDOWEVENT:
        WindowEvent(event.window);
        break;
      case SDL_KEYDOWN:
        if (!event.key.repeat) Key(event.key.keysym.sym);
        break;
      default:
        mouse_.Route(event, view_.Form());
        break;
    }
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
      default:
        break;
    }
  }

  void Key(SDL_Keycode key) {
    if (key == SDLK_q || key == SDLK_ESCAPE) {
      quit_ = true;
    } else if (key == SDLK_s) {
      Save();
    }
  }

  // A failed save is reported; the viewer goes on.
  void Save() {
    try {
      view_.Save(saveName_);
      std::cout << saveName_ << std::endl;
    } catch (const std::exception& e) {
      std::cerr << "pelkview: " << e.what() << std::endl;
    }
  }

  // Once the queued events are handled: follow the window's size, serve the
  // form's paints and show its surface if it changed.
  void AfterEvents() {
    if (resized_) {
      resized_ = false;
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
  const std::string& saveName_;
  MouseRouter mouse_;
  bool quit_ = false;
  bool resized_ = false;
  bool exposed_ = false;
};

}  // namespace

void RunEventLoop(Window& window, GraphView& view, const std::string& saveName) {
  EventLoop(window, view, saveName).Run();
}

}  // namespace pelk::view
