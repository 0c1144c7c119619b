/* Prints the size of the pointer's current cursor image and whether any of it is visible:
 * "<width> <height> <visible pixels>". A program that has hidden the cursor over its window
 * shows a blank 1 by 1 image. */
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <stdio.h>

int main(void) {
  Display* display = XOpenDisplay(NULL);
  if (display == NULL) {
    fprintf(stderr, "cursor_probe: no display\n");
    return 2;
  }
  XFixesCursorImage* image = XFixesGetCursorImage(display);
  if (image == NULL) {
    fprintf(stderr, "cursor_probe: no cursor image\n");
    XCloseDisplay(display);
    return 2;
  }
  int visible = 0;
  for (int i = 0; i < image->width * image->height; ++i)
    if ((image->pixels[i] >> 24) & 0xFF) ++visible;
  printf("%d %d %d\n", image->width, image->height, visible);
  XFree(image);
  XCloseDisplay(display);
  return 0;
}
