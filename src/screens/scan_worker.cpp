// scan_worker.cpp -- the player's picture files checked on a thread of their own,
// so that a folder of thousands keeps the window turning while it is read
#include "screens/scan_worker.h"

#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

namespace {

// What the thread and the panel share. The thread holds it too, so a scan
// stopped (or a game quit) while a file is read leaves the thread nothing
// freed to touch; it is never joined, so a stuck read never holds up the window.
struct scan_job {
    std::mutex lock;
    bool stop = false;
    scan_progress progress;
    picture_scan result;
};

std::shared_ptr<scan_job> running;

void scan_job_run(const std::shared_ptr<scan_job>& job, const std::vector<std::string>& paths)
{
    std::vector<picture_entry> entries = picture_list_paths(paths);
    {
        std::lock_guard<std::mutex> hold(job->lock);
        job->progress.listed = true;
        job->progress.total = entries.size();
    }
    picture_scan scan;
    for (std::size_t i = 0; i < entries.size(); i++) {
        {
            std::lock_guard<std::mutex> hold(job->lock);
            if (job->stop)
                return;
            job->progress.checked = i;
        }
        picture_check_entry(entries[i], scan);
    }
    picture_scan_finish(scan);
    std::lock_guard<std::mutex> hold(job->lock);
    job->result = std::move(scan);
    job->progress.checked = entries.size();
    job->progress.done = true;
}

}  // namespace

void scan_worker_start(const std::vector<std::string>& paths)
{
    scan_worker_stop();
    running = std::make_shared<scan_job>();
    try {
        std::thread(scan_job_run, running, paths).detach();
    } catch (const std::system_error&) {
        scan_job_run(running, paths);  // no thread to be had: the window waits for the scan
    }
}

scan_progress scan_worker_progress()
{
    if (!running) {
        scan_progress none;
        none.done = true;
        return none;
    }
    std::lock_guard<std::mutex> hold(running->lock);
    return running->progress;
}

bool scan_worker_take(picture_scan* out)
{
    if (!running)
        return false;
    {
        std::lock_guard<std::mutex> hold(running->lock);
        if (!running->progress.done)
            return false;
        *out = std::move(running->result);
    }
    running.reset();
    return true;
}

void scan_worker_stop()
{
    if (!running)
        return;
    {
        std::lock_guard<std::mutex> hold(running->lock);
        running->stop = true;
    }
    running.reset();
}
