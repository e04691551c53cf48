#include "pelkview/Window.h"

#include <cstdint>

#include "pelkview/XErrors.h"

namespace pelk::view {

namespace {

// The colour around a surface smaller than the window.
constexpr std::uint8_t kBackdropGrey = 0x80;

[[noreturn]] void ThrowSdlError(const std::string& what) { throw VideoError(what + ": " + SDL_GetError()); }

// SDL falls back to a driver without a screen when no display answers; one
// is used only when asked for through SDL_VIDEODRIVER.
bool ShowsNothing(const char* driver) {
  const std::string name = driver ? driver : "";
  return name == "offscreen" || name == "dummy";
}

}  // namespace

VideoSession::VideoSession() {
  IgnoreWakeupsToClosedWindows();
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    const std::string reason = SDL_GetError();
    SDL_Quit();
    throw VideoError("cannot open the display: " + reason);
  }
  if (ShowsNothing(SDL_GetCurrentVideoDriver()) && !SDL_getenv("SDL_VIDEODRIVER")) {
    SDL_Quit();
    throw VideoError("no display to show a window on (is DISPLAY or WAYLAND_DISPLAY set?)");
  }
}

VideoSession::~VideoSession() { SDL_Quit(); }

Window::Window(const std::string& title, int width, int height) {
  window_.reset(SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width, height,
                                 SDL_WINDOW_RESIZABLE));
  if (!window_) ThrowSdlError("cannot create a window");
  // One texture copied per change: the software renderer drawing straight to
  // the window is quick enough and needs no OpenGL driver.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_SOFTWARE));
  if (!renderer_) ThrowSdlError("cannot create a renderer");
}

ClientSize Window::Size() const {
  ClientSize size;
  SDL_GetWindowSize(window_.get(), &size.width, &size.height);
  return size;
}

std::uint32_t Window::Id() const { return SDL_GetWindowID(window_.get()); }

void Window::SetTitle(const std::string& title) { SDL_SetWindowTitle(window_.get(), title.c_str()); }

void Window::EnsureTexture(int width, int height) {
  if (texture_ && width == textureWidth_ && height == textureHeight_) return;
  texture_.reset();
  textureWidth_ = textureHeight_ = 0;
  texture_.reset(
      SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_XBGR8888, SDL_TEXTUREACCESS_STREAMING, width, height));
  if (!texture_) ThrowSdlError("cannot create a " + std::to_string(width) + "x" + std::to_string(height) + " texture");
  textureWidth_ = width;
  textureHeight_ = height;
}

void Window::Present(const Surface& surface) {
  SDL_Renderer* renderer = renderer_.get();
  SDL_SetRenderDrawColor(renderer, kBackdropGrey, kBackdropGrey, kBackdropGrey, SDL_ALPHA_OPAQUE);
  SDL_RenderClear(renderer);
  const int width = surface.Width();
  const int height = surface.Height();
  if (width > 0 && height > 0) {
    EnsureTexture(width, height);
    const int pitch = width * static_cast<int>(sizeof(std::uint32_t));
    if (SDL_UpdateTexture(texture_.get(), nullptr, surface.Row(0), pitch) != 0) ThrowSdlError("cannot update the texture");
    const SDL_Rect target{0, 0, width, height};
    SDL_RenderCopy(renderer, texture_.get(), nullptr, &target);
  }
  SDL_RenderPresent(renderer);
}

}  // namespace pelk::view
