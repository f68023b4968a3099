// A one-line progress display on standard error while a large regular file is
// read: bytes done and total, lines per second and the time left, redrawn at
// most four times a second and erased when the file is done. Only when
// standard error is a terminal.
#ifndef PROGRAMS_IDTOOL_PROGRESS_H
#define PROGRAMS_IDTOOL_PROGRESS_H

#include <chrono>
#include <cstdint>

#include "programs/idtool/system_io.h"

class OutputStream;

// Files above this size get a progress display.
constexpr uint64_t progressThreshold = uint64_t{64} << 20;

class ProgressDisplay {
public:
    // `enabled` false (standard error is no terminal, or --no-progress) makes
    // every call do nothing.
    ProgressDisplay(OutputStream& errorStream, bool enabled);

    void startInput(const InputFile& input);
    // Called by the reader before each read.
    void update(uint64_t bytesDone, uint64_t linesDone);
    void finishInput();
    // Clears the line if it is shown, so that a message can be written; the
    // next update draws it again.
    void erase();

private:
    using Clock = std::chrono::steady_clock;
    void draw(uint64_t bytesDone, uint64_t lineCount, Clock::time_point now);

    OutputStream& err_;
    bool enabled_;
    bool active_ = false;
    int shownWidth_ = 0;
    uint64_t total_ = 0;
    uint64_t firstLine_ = 0;
    bool sawFirstUpdate_ = false;
    Clock::time_point started_;
    Clock::time_point lastDrawn_;
};

#endif
