// Stand-in for the named global variables, used only while the generated tables have not
// landed in this tree: the two value arrays and the few names the figure model uses.
#pragma once
#if __has_include("gm/org_base.h")
#include "gm/org_base.h"
#else

inline int org2n[251];
inline float orgFn[151];
namespace org2 { constexpr int zapa0 = 0, Last = 250; }
namespace orgF { constexpr int zapa0 = 0, Last = 150; }
namespace o2 {
extern int& NeedExit;  // defined by the generated-code library's stand-in
inline int& GamePause = org2n[48];
inline int& NowFgrKlv_Status = org2n[56];
}
namespace o3 {
inline float& SkyR = orgFn[11];
}
inline void org2_Init() {
  for (int& v : org2n) v = 0;
}
inline void orgF_Init() {
  for (float& v : orgFn) v = 0;
}
#endif
