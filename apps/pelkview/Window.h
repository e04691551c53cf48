// The SDL side of the viewer: the video subsystem, and a window that shows a
// pixel surface through a renderer and a streaming texture.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include <SDL.h>

#include "platform/Surface.h"

namespace pelk::view {

// SDL could not give us a display, a window or a renderer.
class VideoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// SDL's video subsystem, started for the object's lifetime.
class VideoSession {
 public:
  VideoSession();  // throws VideoError
  ~VideoSession();
  VideoSession(const VideoSession&) = delete;
  VideoSession& operator=(const VideoSession&) = delete;
};

struct ClientSize {
  int width = 0;
  int height = 0;
};

class Window {
 public:
  // A resizable window with the given client size; throws VideoError.
  Window(const std::string& title, int width, int height);

  ClientSize Size() const;
  std::uint32_t Id() const;
  void SetTitle(const std::string& title);

  // Shows the surface at the window's top left; the rest of the window is
  // cleared. Surface pixels are 0x00BBGGRR, which SDL calls XBGR8888.
  void Present(const Surface& surface);

 private:
  void EnsureTexture(int width, int height);

  struct Deleter {
    void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
    void operator()(SDL_Renderer* renderer) const { SDL_DestroyRenderer(renderer); }
    void operator()(SDL_Texture* texture) const { SDL_DestroyTexture(texture); }
  };
  // Declared in creation order, so they are freed texture first.
  std::unique_ptr<SDL_Window, Deleter> window_;
  std::unique_ptr<SDL_Renderer, Deleter> renderer_;
  std::unique_ptr<SDL_Texture, Deleter> texture_;
  int textureWidth_ = 0;
  int textureHeight_ = 0;
};

}  // namespace pelk::view
