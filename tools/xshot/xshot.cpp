// xshot: saves a top-level window of an X server as a PNG file, for scripts
// that run the program under a private X server.
//
//   xshot TITLE FILE.png [SECONDS]
//
// Waits (at most SECONDS, default 20) for a mapped window whose name is
// TITLE and whose contents have settled (two grabs a moment apart agree),
// then writes it. Exit code 0 when written, 1 otherwise (reason on stderr).
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <png.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using Pixels = std::vector<unsigned char>;  // RGB rows

// The program's windows come and go while the tree is read; a request about
// one that went fails, and the search simply goes on.
int IgnoreGoneWindows(Display*, XErrorEvent*) { return 0; }

Window FindWindow(Display* display, Window parent, const char* title) {
  Window root = 0;
  Window up = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, parent, &root, &up, &children, &count)) return 0;
  const std::unique_ptr<Window, int (*)(void*)> owned(children, XFree);
  for (unsigned int i = 0; i < count; ++i) {
    XWindowAttributes attributes;
    char* name = nullptr;
    const bool mapped = XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable;
    const bool named = XFetchName(display, children[i], &name) && name && std::strcmp(name, title) == 0;
    if (name) XFree(name);
    if (mapped && named) return children[i];
    if (const Window inner = FindWindow(display, children[i], title)) return inner;
  }
  return 0;
}

bool Grab(Display* display, Window window, Pixels& pixels, int& width, int& height) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes)) return false;
  width = attributes.width;
  height = attributes.height;
  XImage* image = XGetImage(display, window, 0, 0, width, height, AllPlanes, ZPixmap);
  if (!image) return false;
  pixels.resize(static_cast<std::size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const unsigned long pixel = XGetPixel(image, x, y);
      unsigned char* out = &pixels[(static_cast<std::size_t>(y) * width + x) * 3];
      out[0] = (pixel >> 16) & 0xFF;
      out[1] = (pixel >> 8) & 0xFF;
      out[2] = pixel & 0xFF;
    }
  XDestroyImage(image);
  return true;
}

bool WritePng(const char* file, const Pixels& pixels, int width, int height) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  return png_image_write_to_file(&image, file, 0, pixels.data(), width * 3, nullptr) != 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: xshot TITLE FILE.png [SECONDS]\n", stderr);
    return 2;
  }
  const int seconds = argc > 3 ? std::atoi(argv[3]) : 20;
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fputs("xshot: cannot open the X display\n", stderr);
    return 1;
  }
  XSetErrorHandler(IgnoreGoneWindows);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  Pixels last;
  Pixels now;
  int width = 0;
  int height = 0;
  bool settled = false;
  while (!settled && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const Window window = FindWindow(display, DefaultRootWindow(display), argv[1]);
    if (!window || !Grab(display, window, now, width, height)) continue;
    settled = !last.empty() && now == last;
    last.swap(now);
  }
  XCloseDisplay(display);
  if (!settled) {
    std::fprintf(stderr, "xshot: no settled window \"%s\" within %d s\n", argv[1], seconds);
    return 1;
  }
  if (!WritePng(argv[2], last, width, height)) {
    std::fprintf(stderr, "xshot: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
