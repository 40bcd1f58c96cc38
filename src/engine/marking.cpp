#include "shell/game_form.h"

namespace vexalon {

void GameForm::MarkAsRemoved2(int index) {
  Cell& cell = sq[static_cast<std::size_t>(index)];
  if (std::optional<Picture> diamond = MarkedTemplate(cell.tag)) cell.picture = *diamond;
}

void GameForm::MarkAsRemovedHor(int index) { MarkRun(index, index + 1, index + 2); }

void GameForm::MarkAsRemovedVer(int index) { MarkRun(index, index + 6, index + 12); }

// The run takes the kind of its first square that is not multi-colour.
void GameForm::MarkRun(int a, int b, int c) {
  Cell& ca = sq[static_cast<std::size_t>(a)];
  Cell& cb = sq[static_cast<std::size_t>(b)];
  Cell& cc = sq[static_cast<std::size_t>(c)];
  ca.marked = 1;
  cb.marked = 1;
  cc.marked = 1;
  if (ca.tag != Kind::k1234) {
    cb.tag = ca.tag;
    cc.tag = ca.tag;
  } else if (cb.tag != Kind::k1234) {
    ca.tag = cb.tag;
    cc.tag = cb.tag;
  } else if (cc.tag != Kind::k1234) {
    ca.tag = cc.tag;
    cb.tag = cc.tag;
  }
  MarkAsRemoved2(a);
  MarkAsRemoved2(b);
  MarkAsRemoved2(c);
}

}  // namespace vexalon
