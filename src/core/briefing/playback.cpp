#include "briefing/playback.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace briefing {

namespace {

int roundEven(double v) {
  return static_cast<int>(std::nearbyint(v));
}
int usableZoom(int zoom) {
  return zoom == 0 ? 4 : zoom;
}

}  // namespace

int pixelOffset(int mapValue, int zoom) {
  return roundEven(static_cast<double>(mapValue) * zoom / MapScale);
}

int toScreenX(const DisplayState& s, int x) {
  return PreviewWidth / 2 + pixelOffset(x, s.zoom) + s.ox;
}
int toScreenY(const DisplayState& s, int y) {
  return PreviewHeight / 2 + pixelOffset(y, s.zoom) + s.oy;
}
int toMapX(const DisplayState& s, int sx) {
  return roundEven(static_cast<double>(sx - PreviewWidth / 2 - s.ox) / usableZoom(s.zoom) *
                   MapScale);
}
int toMapY(const DisplayState& s, int sy) {
  return roundEven(static_cast<double>(sy - PreviewHeight / 2 - s.oy) / usableZoom(s.zoom) *
                   MapScale);
}

PlayStart Player::play(int eventWordsUsed) {
  if (eventWordsUsed == 0) return PlayStart::NoInstructions;
  if (runningTime_ == 0) return PlayStart::ZeroRunningTime;
  playing_ = true;
  return PlayStart::Started;
}

void Player::pause() {
  playing_ = false;
  if (view_.zoomIn || view_.zoomOut) {
    view_.zoom = view_.zoomTarget;
    view_.zoomIn = view_.zoomOut = false;
    view_.ox = view_.tx = pixelOffset(view_.mx, view_.zoom);
    view_.oy = view_.ty = pixelOffset(view_.my, view_.zoom);
  }
  dirty = true;
}

int scrollToMap(int pixels, int zoom) {
  return roundEven(static_cast<double>(MapScale) / usableZoom(zoom) * pixels);
}

int Player::tagLength(int position) const {
  if (position < 0 || position >= size()) return 0;
  const int index = (*commands_)[position].index;
  return index < static_cast<int>(tags_.size()) ? static_cast<int>(tags_[index].size()) : 0;
}

void Player::setMoveTarget(int mx, int my, bool jump) {
  DisplayState& v = view_;
  v.mx = mx;
  v.my = my;
  v.tx = pixelOffset(mx, v.zoom);
  v.ty = pixelOffset(my, v.zoom);
  if (jump) {
    v.ox = v.tx;
    v.oy = v.ty;
    v.xRising = v.xFalling = v.yRising = v.yFalling = false;
  } else {
    v.xRising = v.tx > v.ox;
    v.xFalling = v.tx < v.ox;
    v.yRising = v.ty > v.oy;
    v.yFalling = v.ty < v.oy;
  }
}

void Player::execute(int position) {
  if (position < 0 || position >= size()) return;
  Command& c = (*commands_)[position];
  DisplayState& v = view_;
  const int code = c.code;
  if (code == StopPoint) {
    if (pauseAtStops_ && !seeking_ && !rewinding_) pause();
  } else if (code == BriefingText) {
    v.text = c.index;
  } else if (code == MoveMap) {
    setMoveTarget(-c.x, -c.y, c.time == 0);
  } else if (code == ZoomMap) {
    if (c.time == 0) {
      v.zoom = v.zoomTarget = c.x;
      v.zoomIn = v.zoomOut = false;
    } else {
      v.zoomTarget = c.x;
      v.zoomIn = c.x > v.zoom;
      v.zoomOut = c.x < v.zoom;
    }
  } else if (code == ClearBoxes) {
    v.box.fill(-1);
    v.boxHalf.fill(8);
  } else if (isBox(code)) {
    v.box[code - FirstBox] = c.index;
    v.boxHalf[code - FirstBox] = 15;
  } else if (code == ClearTags) {
    v.tag.fill(-1);
    v.revealed.fill(0);
  } else if (isTag(code)) {
    v.tag[code - FirstTag] = position;
    v.revealed[code - FirstTag] = 1;
  } else if (code == EndMarker) {
    if (!rewinding_) rewind();
  }
  c.snapshot = view_;
  c.hasSnapshot = true;
  dirty = true;
}

void Player::animate() {
  DisplayState& v = view_;
  bool changed = false;
  if (v.zoomIn || v.zoomOut) {
    const int d = std::abs(v.zoomTarget - v.zoom);
    const int step = d > 8 ? 7 : d > 3 ? 2 : 1;
    v.zoom += v.zoomIn ? step : -step;
    if ((v.zoomIn && v.zoom >= v.zoomTarget) || (v.zoomOut && v.zoom <= v.zoomTarget)) {
      v.zoom = v.zoomTarget;
      v.zoomIn = v.zoomOut = false;
    }
    // The view stays on the move target while it zooms.
    v.ox = v.tx = pixelOffset(v.mx, v.zoom);
    v.oy = v.ty = pixelOffset(v.my, v.zoom);
    v.xRising = v.xFalling = v.yRising = v.yFalling = false;
    changed = true;
  }
  auto move = [&](int& o, int target, bool& rising, bool& falling) {
    if (rising) {
      o += target - o > 18 ? 14 : 4;
      if (o >= target) rising = false;
      changed = true;
    }
    if (falling) {
      o -= o - target > 18 ? 14 : 4;
      if (o <= target) falling = false;
      changed = true;
    }
  };
  move(v.ox, v.tx, v.xRising, v.xFalling);
  move(v.oy, v.ty, v.yRising, v.yFalling);
  for (int i = 0; i < SlotCount; ++i) {
    if (v.box[i] >= 0 && v.boxHalf[i] > 8) {
      --v.boxHalf[i];
      changed = true;
    }
    if (v.tag[i] >= 0) {
      const int length = tagLength(v.tag[i]);
      if (v.revealed[i] < length) {
        v.revealed[i] = std::min(v.revealed[i] + 3, length);
        changed = true;
      }
    }
  }
  if (changed) dirty = true;
}

void Player::finishMotions() {
  DisplayState& v = view_;
  if (v.zoomIn || v.zoomOut) {
    v.zoom = v.zoomTarget;
    v.tx = pixelOffset(v.mx, v.zoom);
    v.ty = pixelOffset(v.my, v.zoom);
  }
  v.zoomIn = v.zoomOut = false;
  v.ox = v.tx;
  v.oy = v.ty;
  v.xRising = v.xFalling = v.yRising = v.yFalling = false;
  for (int i = 0; i < SlotCount; ++i) {
    if (v.box[i] >= 0) v.boxHalf[i] = 8;
    if (v.tag[i] >= 0) v.revealed[i] = tagLength(v.tag[i]);
  }
  dirty = true;
}

void Player::rewind() {
  rewinding_ = true;
  current_ = 0;
  t_ = 0;
  view_ = DisplayState{};
  const int n = size();
  for (int i = 0; i < n; ++i)
    if ((*commands_)[i].time == 0 && (*commands_)[i].code == ZoomMap) execute(i);
  for (int i = 0; i < n; ++i)
    if ((*commands_)[i].time == 0 && (*commands_)[i].code != ZoomMap) execute(i);
  if (n > 0 && !(*commands_)[0].isEnd()) execute(0);
  rewinding_ = false;
  dirty = true;
}

void Player::tick() {
  if (jumpPending_) {
    jumpPending_ = false;
    if (selected_ >= 0 && selected_ < size()) {
      const bool stops = pauseAtStops_;
      pauseAtStops_ = false;  // the jump lands on the command; it does not stop there again
      execute(selected_);
      pauseAtStops_ = stops;
      current_ = selected_;
    }
  }
  ++t_;
  animate();
  if (t_ > runningTime_) {
    rewind();
    return;
  }
  if (t_ == runningTime_) return;
  const int n = size();
  while (current_ + 1 < n && t_ >= (*commands_)[current_ + 1].time) {
    ++current_;
    const bool end = (*commands_)[current_].isEnd();
    t_ = (*commands_)[current_].time;
    execute(current_);
    if (end) break;  // rewound
  }
}

void Player::nextInstruction() {
  const bool was = playing_;
  pause();
  const int n = size();
  if (n == 0) return;
  if (jumpPending_) {
    jumpPending_ = false;
    if (selected_ >= 0 && selected_ < n) {
      execute(selected_);
      current_ = selected_;
    }
  }
  if (current_ >= n - 2) {
    // Past the last instruction the preview starts over.
    rewind();
  } else {
    ++current_;
    execute(current_);
    t_ = (*commands_)[current_].time;
  }
  if (!was) finishMotions();
  playing_ = was;
}

void Player::nextStopPoint() {
  const bool was = playing_;
  pause();
  jumpPending_ = false;
  const int n = size();
  if (current_ >= n - 1) t_ = 0;
  while (current_ + 1 < n) {
    ++current_;
    const Command& c = (*commands_)[current_];
    if (c.isEnd()) {
      rewind();
      break;
    }
    const int code = c.code;
    t_ = c.time;
    execute(current_);
    finishMotions();
    if (code == StopPoint) break;
  }
  // The command reached runs again before the next tick, one tick on.
  selected_ = current_;
  jumpPending_ = true;
  ++t_;
  playing_ = was;
}

void Player::restore(const Command& c) {
  const DisplayState& s = c.snapshot;
  DisplayState& v = view_;
  const int zoom = s.zoom != 0 ? s.zoom : v.zoom;
  v = s;
  v.zoom = zoom;
}

void Player::previousInstruction() {
  const bool was = playing_;
  pause();
  jumpPending_ = false;
  if (current_ <= 1) {
    rewind();
  } else {
    --current_;
    const Command& c = (*commands_)[current_];
    if (c.hasSnapshot) {
      restore(c);
      t_ = c.time;
    } else {
      // Never played since it was made: play up to it.
      const int target = current_;
      rewind();
      while (current_ < target) {
        ++current_;
        execute(current_);
      }
      t_ = (*commands_)[current_].time;
    }
    if (!was) finishMotions();
  }
  dirty = true;
  playing_ = was;
}

void Player::seek(int ticks) {
  pause();
  jumpPending_ = false;
  seeking_ = true;
  rewind();
  const int target = std::clamp(ticks, 0, std::max(0, runningTime_));
  for (int guard = 0; t_ < target && guard < 1 << 20; ++guard) {
    const int before = t_;
    tick();
    if (t_ < before) break;  // the stream ended early and started over
  }
  seeking_ = false;
  playing_ = false;
  dirty = true;
}

}  // namespace briefing
