// scan_worker.h -- the player's picture files checked on a thread of their own,
// so that a folder of thousands keeps the window turning while it is read
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "rules/picture_set.h"

// How far the scan has come: its files listed (total known), checked, done.
struct scan_progress {
    bool listed = false;
    std::size_t checked = 0, total = 0;
    bool done = false;
};

// Starts a scan of the paths as picture_scan_paths makes it, stopping the one
// before. Where no thread can be started the scan is made at once.
void scan_worker_start(const std::vector<std::string>& paths);
// How far the running scan has come; done and nothing else when none runs.
scan_progress scan_worker_progress();
// The finished scan's result, moved into out; false while it still runs or
// when none was started.
bool scan_worker_take(picture_scan* out);
// Stops the running scan without waiting: its thread ends after the file it
// is checking, and its result is dropped.
void scan_worker_stop();
