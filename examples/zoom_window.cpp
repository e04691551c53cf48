// A graph in an SDL2 window: drag a box with the left button to zoom in (the host
// rescales in OnMouseUp); q quits. --headless [OUT.png], or no display: one drag, saved.
#include <cmath>
#include <iostream>
#include <string>

#include <SDL.h>
#include <pelkgraph/pelkgraph.h>

using namespace pelk;

void Show(TPelkgraph& graph, float x1, float x2, float y1, float y2) {
  graph.SetAxis(graph.XAxis(), 5, x1, x2, true);
  graph.SetAxis(graph.YAxis(), 4, y1, y2, true);
  graph.Refresh();  // a new frame: the data is drawn again below
  graph.SetPlotColor(clRed);
  graph.MoveScaledTo(0.0f, 0.0f);
  for (int i = 1; i <= 2000; ++i) graph.LineScaledTo(i * 0.005f, std::sin(i * 0.005f * i * 0.005f));
}

void PrintRange(const char* what, const TAxis& x, const TAxis& y) {
  const auto end = [](const TAxis& a) { return a.OriginValue() + a.NumberOfDivisions() * a.ScalePerDivision(); };
  std::cout << what << " x " << x.OriginValue() << ' ' << end(x) << " y " << y.OriginValue() << ' ' << end(y) << '\n';
}

// SDL's left-button events passed to the form (form coordinates).
void Route(TForm& form, const SDL_Event& e) {
  const TShiftState left{ssLeft}, no{};  // the left button down, or none
  if (e.type == SDL_MOUSEMOTION) form.MouseMove(e.motion.state & SDL_BUTTON_LMASK ? left : no, e.motion.x, e.motion.y);
  if ((e.type != SDL_MOUSEBUTTONDOWN && e.type != SDL_MOUSEBUTTONUP) || e.button.button != SDL_BUTTON_LEFT) return;
  if (e.type == SDL_MOUSEBUTTONDOWN) form.MouseDown(mbLeft, left, e.button.x, e.button.y);
  else form.MouseUp(mbLeft, no, e.button.x, e.button.y);  // the released button has left the state
}

int Windowed(TForm& form) {
  const int w = form.ClientWidth(), h = form.ClientHeight();
  SDL_Window* window = SDL_CreateWindow("zoom_window", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, w, h, 0);
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_XBGR8888, SDL_TEXTUREACCESS_STREAMING, w, h);
  if (!texture) std::cerr << "zoom_window: " << SDL_GetError() << '\n';
  for (SDL_Event e; texture && SDL_WaitEvent(&e) && e.type != SDL_QUIT;) {
    if (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_q) break;
    Route(form, e);
    form.ProcessMessages();  // serves the paints the graph asked for
    if (!form.TakeSurfaceChanged() && e.type != SDL_WINDOWEVENT) continue;
    SDL_UpdateTexture(texture, nullptr, form.ClientSurface().Row(0), w * 4);
    SDL_RenderCopy(renderer, texture, nullptr, nullptr);
    SDL_RenderPresent(renderer);
  }
  SDL_DestroyWindow(window);  // with its renderer and texture
  SDL_Quit();
  return texture ? 0 : 1;
}

int main(int argc, char** argv) {
  TForm form;
  form.SetClientSize(720, 480);
  TPelkgraph g(&form);
  g.SetTitle("sin(t\xC2\xB2)");
  g.SetSubtitle("drag a rectangle to zoom in");
  g.SetIdentification("");
  g.ZoomBox().SetEnabled(true);  // left button, no modifier key
  g.OnMouseUp = [&g](TObject*, TMouseButton, TShiftState, int, int) {  // the zoom box is complete here
    const TZoomBox& box = g.ZoomBox();
    if (box.ValidZoom()) Show(g, box.XScaledLeft(), box.XScaledRight(), box.YScaledBottom(), box.YScaledTop());
  };
  Show(g, 0.0f, 10.0f, -1.0f, 1.0f);
  const bool headless = argc > 1 && std::string(argv[1]) == "--headless";
  if (!headless && SDL_Init(SDL_INIT_VIDEO) == 0 && std::string(SDL_GetCurrentVideoDriver()) != "offscreen")
    return Windowed(form);
  const auto at = [](int from, int to, int percent) { return from + (to - from) * percent / 100; };
  PrintRange("full", g.XAxis(), g.YAxis());  // a drag from (60 %, 90 %) to (80 %, 10 %) of the plot area
  form.MouseDown(mbLeft, {ssLeft}, g.Left() + at(g.Xorigin(), g.Xend(), 60), g.Top() + at(g.Yorigin(), g.Yend(), 90));
  form.MouseMove({ssLeft}, g.Left() + at(g.Xorigin(), g.Xend(), 80), g.Top() + at(g.Yorigin(), g.Yend(), 10));
  form.MouseUp(mbLeft, {}, g.Left() + at(g.Xorigin(), g.Xend(), 80), g.Top() + at(g.Yorigin(), g.Yend(), 10));
  PrintRange("zoomed", g.XAxis(), g.YAxis());
  g.SaveToFile(headless && argc > 2 ? argv[2] : "zoomed.png");
  return 0;
}
