// Serves a SimulatedLine on a pseudo-terminal in real time, so that any program that opens a
// serial device (the tool's real port code, a terminal program) can talk to the simulator.
//
// open() creates the pair and keeps a descriptor of the slave side open for the host's whole
// life: without it the master reports a hang-up (EIO) whenever the client closes the device,
// and bytes would be lost between a close and the next open. serve() then runs a poll loop on
// the calling thread: bytes the client writes go into the line with the time they were read,
// and each chunk the line returns is written to the client when its time has come (line-rate
// pacing included). requestStop() ends serve() from another thread or a signal handler.
#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <string>

#include "sim/simulated_line.h"

namespace rb::sim {

class PtyHost {
public:
    // One line of the traffic log, without a line end.
    using LogSink = std::function<void(const std::string& line)>;

    explicit PtyHost(SimulatedLine& line);
    ~PtyHost();
    PtyHost(const PtyHost&) = delete;
    PtyHost& operator=(const PtyHost&) = delete;

    // Creates the pseudo-terminal in raw mode (8N1, no echo, no character translation).
    // False with the reason in `error` when the system refuses.
    bool open(std::string& error);
    // The device a client opens, e.g. "/dev/pts/7" (empty before open()).
    const std::string& devicePath() const { return path_; }

    // Every byte in and out, as hexadecimal text with the time since serve() began, e.g.
    // "   12.345 tool>sim 96 05 80 99 00 01 1B"; "sim>tool" for the terminal's bytes.
    void setTrafficLog(LogSink sink) { log_ = std::move(sink); }

    // Runs until requestStop(); false with the reason when the device fails for good.
    bool serve(std::string& error);
    // Async-signal-safe and thread-safe: makes serve() return.
    void requestStop();

private:
    Micros elapsed() const;
    void take(std::vector<TimedChunk> chunks);
    void moveDueChunks(Micros now);
    bool flushOutbox(std::string& error);
    void logBytes(const char* direction, wire::ByteSpan bytes, Micros at) const;
    void closeAll();

    SimulatedLine& line_;
    LogSink log_;
    std::string path_;
    int master_ = -1;
    int slave_ = -1;          // held open so the master never sees the last client leave
    int wake_[2] = {-1, -1};  // self-pipe written by requestStop()
    std::chrono::steady_clock::time_point origin_;
    std::deque<TimedChunk> pending_;  // chunks whose time has not come, in time order
    wire::Bytes outbox_;              // due bytes the device has not taken yet
};

}  // namespace rb::sim
