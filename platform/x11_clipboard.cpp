// The CLIPBOARD selection of the x11 backend. What the game copies is kept here and served from
// the game's own event pump to whoever asks for it (its targets, UTF-8, Latin-1), until another
// program takes the selection. The hidden helper window owns it, so that a copy needs no game
// window and stays served after the game window has gone. A paste asks the owner and waits,
// bounded, for the answer, which a large text sends in pieces. Inside the game the text is Windows-1251
// with CR LF rows; outside it is UTF-8 (or Latin-1) with LF rows.
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/x11_internal.h"

namespace {

void ServeSelection(XSelectionRequestEvent* req) {
  XSelectionEvent reply = {};
  reply.type = SelectionNotify;
  reply.display = req->display;
  reply.requestor = req->requestor;
  reply.selection = req->selection;
  reply.target = req->target;
  reply.time = req->time;
  reply.property = 0;
  Atom prop = req->property ? req->property : req->target;
  if (gX.clip.owns && req->selection == gX.atom.clipboard) {
    X11_TrapBegin();
    if (req->target == gX.atom.targets) {
      Atom list[4] = {gX.atom.targets, gX.atom.utf8, XA_STRING, gX.atom.text};
      XChangeProperty(gX.dpy, req->requestor, prop, XA_ATOM, 32, PropModeReplace, (unsigned char*)list,
                      4);
      reply.property = prop;
    } else if (req->target == gX.atom.utf8 || req->target == gX.atom.text || req->target == XA_STRING) {
      std::string lf = Plat_CrlfToLf(gX.clip.owned);
      std::string data;
      if (req->target == XA_STRING) {
        for (unsigned char c : lf) {  // Latin-1: what has no Latin-1 form becomes '?'
          unsigned cp = Plat_1251ToUnicode(c);
          data.push_back(cp < 0x100 ? (char)cp : '?');
        }
      } else {
        data = Plat_Utf8From1251(lf);
      }
      // One property holds at most a request's worth; larger texts are not offered.
      long maxBytes = XExtendedMaxRequestSize(gX.dpy);
      if (!maxBytes) maxBytes = XMaxRequestSize(gX.dpy);
      if ((long)data.size() < maxBytes * 4 - 1024) {
        XChangeProperty(gX.dpy, req->requestor, prop,
                        req->target == XA_STRING ? XA_STRING : gX.atom.utf8, 8, PropModeReplace,
                        (const unsigned char*)data.data(), (int)data.size());
        reply.property = prop;
      } else {
        fprintf(stderr, "platform: clipboard text too large to serve\n");
      }
    }
    if (X11_TrapEnd()) reply.property = 0;
  }
  X11_TrapBegin();
  XSendEvent(gX.dpy, req->requestor, False, 0, (XEvent*)&reply);
  X11_TrapEnd();
}

// Another program may have taken the selection since our last pump.
void CheckOwnership() {
  if (gX.clip.owns && XGetSelectionOwner(gX.dpy, gX.atom.clipboard) != gX.helper) gX.clip.owns = false;
}

// Waits (bounded) for a new value of our conversion property; false when none came.
bool WaitNewValue() {
  XEvent ev;
  for (int i = 0; i < 200; i++) {
    while (XCheckTypedWindowEvent(gX.dpy, gX.helper, PropertyNotify, &ev))
      if (ev.xproperty.atom == gX.atom.prop && ev.xproperty.state == PropertyNewValue) return true;
    Plat_SleepMs(5);
  }
  return false;
}

// A transfer in pieces (INCR): each piece is a new value of the property, deleted once read; an
// empty piece ends it.
bool ReceiveIncr(std::string* out, Atom* type) {
  out->clear();
  for (;;) {
    if (!WaitNewValue()) return false;
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(gX.dpy, gX.helper, gX.atom.prop, 0, 0x7fffffff, True, AnyPropertyType,
                           &actual, &format, &count, &after, &data) != Success)
      return false;
    bool ok = format == 8 || count == 0;
    if (ok && count) out->append((const char*)data, count);
    if (data) XFree(data);
    if (!ok) return false;
    if (count == 0) return true;
    *type = actual;
    if (out->size() > 64u * 1024 * 1024) {  // a paste beyond reason ends the transfer
      fprintf(stderr, "platform: clipboard text too large to take\n");
      return false;
    }
  }
}

// Asks the owner for the text as target; bounded wait, other events stay queued.
bool FetchSelection(Atom target, std::string* out, Atom* type) {
  XDeleteProperty(gX.dpy, gX.helper, gX.atom.prop);
  XConvertSelection(gX.dpy, gX.atom.clipboard, target, gX.atom.prop, gX.helper, CurrentTime);
  XFlush(gX.dpy);
  XEvent ev;
  bool got = false;
  for (int i = 0; i < 100 && !got; i++) {
    if (XCheckTypedWindowEvent(gX.dpy, gX.helper, SelectionNotify, &ev)) got = true;
    else Plat_SleepMs(5);
  }
  if (!got || ev.xselection.property == 0) return false;
  Atom actual = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  // Stale notices of the property (our deletions) must not count as pieces of what follows.
  while (XCheckTypedWindowEvent(gX.dpy, gX.helper, PropertyNotify, &ev)) {
  }
  if (XGetWindowProperty(gX.dpy, gX.helper, gX.atom.prop, 0, 4 * 1024 * 1024, True, AnyPropertyType,
                         &actual, &format, &count, &after, &data) != Success)
    return false;
  if (actual == gX.atom.incr) {  // deleting the property (above) asked for the first piece
    if (data) XFree(data);
    *type = target;
    return ReceiveIncr(out, type);
  }
  bool ok = (format == 8 || (format == 32 && target == gX.atom.targets)) && data;
  if (ok) out->assign((const char*)data, format == 32 ? count * sizeof(long) : count);
  if (data) XFree(data);
  *type = actual;
  return ok;
}

// Whether another owner offers text: its TARGETS name a text form. Asked every frame by the paste
// button, so the answer is kept for half a second per owner.
bool OwnerOffersText(Window owner) {
  uint32_t now = Plat_TimeMs();
  if (owner == gX.clip.textOwner && now - gX.clip.textOwnerMs < 500) return gX.clip.textOwnerOffers;
  std::string raw;
  Atom type = 0;
  bool text = false;
  if (FetchSelection(gX.atom.targets, &raw, &type) && type == XA_ATOM) {
    for (size_t i = 0; i + sizeof(long) <= raw.size(); i += sizeof(long)) {
      long a;
      memcpy(&a, raw.data() + i, sizeof a);  // format-32 items come as longs
      if ((Atom)a == gX.atom.utf8 || (Atom)a == XA_STRING || (Atom)a == gX.atom.text) text = true;
    }
  }
  gX.clip.textOwner = owner;
  gX.clip.textOwnerMs = Plat_TimeMs();
  gX.clip.textOwnerOffers = text;
  return text;
}

}  // namespace

bool X11_ClipboardEvent(XEvent* ev) {
  if (ev->type == SelectionRequest) {
    ServeSelection(&ev->xselectionrequest);
    return true;
  }
  if (ev->type == SelectionClear) {
    // A late clear from an ownership we already took back must not drop what we copied since.
    if (ev->xselectionclear.selection == gX.atom.clipboard)
      gX.clip.owns = XGetSelectionOwner(gX.dpy, gX.atom.clipboard) == gX.helper;
    return true;
  }
  return false;
}

void X11_ClipboardReset() {
  gX.clip.owns = false;
  gX.clip.owned.clear();
}

int X11_ClipboardSetText(const char* text, int len) {
  if (!gX.dpy) return 0;
  gX.clip.owned.assign(text, (size_t)len);
  XSetSelectionOwner(gX.dpy, gX.atom.clipboard, gX.helper, CurrentTime);
  gX.clip.owns = XGetSelectionOwner(gX.dpy, gX.atom.clipboard) == gX.helper;
  return gX.clip.owns ? 1 : 0;
}

int X11_ClipboardHasText() {
  if (!gX.dpy) return 0;
  CheckOwnership();
  if (gX.clip.owns) return gX.clip.owned.empty() ? 0 : 1;
  Window owner = XGetSelectionOwner(gX.dpy, gX.atom.clipboard);
  return owner != 0 && OwnerOffersText(owner) ? 1 : 0;
}

const char* X11_ClipboardGetText() {
  if (!gX.dpy) return nullptr;
  CheckOwnership();
  if (gX.clip.owns) {
    gPlat.clipOut = gX.clip.owned;
    return gPlat.clipOut.c_str();
  }
  Window owner = XGetSelectionOwner(gX.dpy, gX.atom.clipboard);
  if (owner == 0 || !OwnerOffersText(owner)) return nullptr;
  std::string raw;
  Atom type = 0;
  std::string text;
  if (FetchSelection(gX.atom.utf8, &raw, &type)) {
    text = Plat_1251FromUtf8(raw);
  } else if (FetchSelection(XA_STRING, &raw, &type)) {
    for (unsigned char c : raw) {
      int b = Plat_UnicodeTo1251(c);
      text.push_back(b < 0 ? '?' : (char)b);
    }
  } else {
    return nullptr;
  }
  // A zero byte would end the text early for the game: cut there.
  size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  gPlat.clipOut = Plat_LfToCrlf(text);
  return gPlat.clipOut.c_str();
}
