// The entry of tolv. The window and the main loop are not built yet: say so plainly.
#include <cstdio>

int main() {
  std::printf("tolv: the window and the main loop are not built yet; the foundation libraries are.\n");
  return 0;
}
