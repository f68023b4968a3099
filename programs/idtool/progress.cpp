// The progress line on standard error: bytes done, lines per second and time
// left, redrawn at most four times a second and erased before any message.
#include "programs/idtool/progress.h"

#include "records/output_stream.h"

namespace {

constexpr auto redrawInterval = std::chrono::milliseconds(250);

// "123.4 MB": a byte count in megabytes (10^6) with one decimal.
void writeMegabytes(OutputStream& out, uint64_t bytes) {
    const uint64_t tenths = bytes / 100000;
    out.writeDecimal(tenths / 10);
    out.put('.');
    out.writeDecimal(tenths % 10);
    out.write(" MB");
}

// "950", "12.3 k", "37.1 M": a rate with at most one decimal and a unit.
void writeCount(OutputStream& out, uint64_t count) {
    if (count < 10000) {
        out.writeDecimal(count);
        return;
    }
    const bool millions = count >= 1000000;
    const uint64_t tenths = count / (millions ? 100000 : 100);
    out.writeDecimal(tenths / 10);
    out.put('.');
    out.writeDecimal(tenths % 10);
    out.write(millions ? " M" : " k");
}

void writeTwoDigits(OutputStream& out, uint64_t value) {
    out.put(static_cast<char>('0' + value / 10 % 10));
    out.put(static_cast<char>('0' + value % 10));
}

// "1:02:03" or "2:03".
void writeDuration(OutputStream& out, uint64_t seconds) {
    if (seconds >= 3600) {
        out.writeDecimal(seconds / 3600);
        out.put(':');
        writeTwoDigits(out, seconds / 60 % 60);
    } else {
        out.writeDecimal(seconds / 60);
    }
    out.put(':');
    writeTwoDigits(out, seconds % 60);
}

}  // namespace

ProgressDisplay::ProgressDisplay(OutputStream& errorStream, bool enabled) : err_(errorStream), enabled_(enabled) {}

void ProgressDisplay::startInput(const InputFile& input) {
    active_ = enabled_ && input.regularFile && input.size > progressThreshold;
    total_ = input.size;
    sawFirstUpdate_ = false;
    started_ = lastDrawn_ = Clock::now();
}

void ProgressDisplay::update(uint64_t bytesDone, uint64_t linesDone) {
    if (!active_) return;
    const Clock::time_point now = Clock::now();
    if (!sawFirstUpdate_) {
        sawFirstUpdate_ = true;
        firstLine_ = linesDone;
    }
    if (now - lastDrawn_ < redrawInterval) return;
    lastDrawn_ = now;
    draw(bytesDone, linesDone - firstLine_, now);
}

void ProgressDisplay::draw(uint64_t bytesDone, uint64_t lineCount, Clock::time_point now) {
    const auto elapsedMs =
        static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now - started_).count());
    // The line is built in a small buffer first, to know its width for padding.
    char storage[160];
    OutputStream line(storage, sizeof storage, nullptr, nullptr);
    line.write("idtool: ");
    writeMegabytes(line, bytesDone);
    line.write(" / ");
    writeMegabytes(line, total_);
    line.write(" (");
    line.writeDecimal(total_ > 0 ? bytesDone * 100 / total_ : 0);
    line.write("%), ");
    writeCount(line, elapsedMs > 0 ? lineCount * 1000 / elapsedMs : 0);
    line.write(" lines/s");
    if (bytesDone > 0 && bytesDone < total_ && elapsedMs > 0) {
        // Time left at the average rate so far; in double, as the product of
        // the counts could pass 64 bits.
        const double msLeft = static_cast<double>(elapsedMs) * static_cast<double>(total_ - bytesDone) /
                              static_cast<double>(bytesDone);
        line.write(", ");
        writeDuration(line, static_cast<uint64_t>(msLeft / 1000.0));
        line.write(" left");
    }
    const int width = static_cast<int>(line.size());
    err_.put('\r');
    err_.write(line.data(), line.size());
    for (int i = width; i < shownWidth_; ++i) err_.put(' ');
    shownWidth_ = width;
    err_.flush();
}

void ProgressDisplay::erase() {
    if (shownWidth_ == 0) return;
    err_.put('\r');
    for (int i = 0; i < shownWidth_; ++i) err_.put(' ');
    err_.put('\r');
    err_.flush();
    shownWidth_ = 0;
}

void ProgressDisplay::finishInput() {
    erase();
    active_ = false;
}
