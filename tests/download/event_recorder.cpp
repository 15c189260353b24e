#include "tests/download/event_recorder.h"

DownloadCallback EventRecorder::Callback() {
    return [this](int code, double value, const wchar_t* text) { Record(code, value, text); };
}

void EventRecorder::SetReaction(Reaction reaction) {
    std::lock_guard<std::mutex> lock(mutex_);
    reaction_ = std::move(reaction);
}

void EventRecorder::RestartOnRetry(CDownloader& downloader) {
    SetReaction([&downloader](const DownloadEvent& event) {
        if (event.code == DL_CODE_RETRY) downloader.Start();
    });
}

void EventRecorder::Record(int code, double value, const wchar_t* text) {
    const DownloadEvent event{code, value, text};
    Reaction reaction;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        events_.push_back(event);
        reaction = reaction_;
    }
    changed_.notify_all();
    if (reaction) reaction(event);
}

std::vector<DownloadEvent> EventRecorder::Events() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return events_;
}

std::vector<int> EventRecorder::CodesWithoutProgress() const {
    std::vector<int> codes;
    for (const DownloadEvent& event : Events()) {
        if (event.code != DL_CODE_PROGRESS) codes.push_back(event.code);
    }
    return codes;
}

std::vector<double> EventRecorder::ProgressValues() const {
    std::vector<double> values;
    for (const DownloadEvent& event : Events()) {
        if (event.code == DL_CODE_PROGRESS) values.push_back(event.value);
    }
    return values;
}

std::vector<std::wstring> EventRecorder::TextsOf(int code) const {
    std::vector<std::wstring> texts;
    for (const DownloadEvent& event : Events()) {
        if (event.code == code) texts.push_back(event.text);
    }
    return texts;
}

int EventRecorder::AttemptEnds() const {
    int ends = 0;
    for (const DownloadEvent& event : events_) {
        if (event.code == DL_CODE_SUCCESS || event.code == DL_CODE_FAIL ||
            event.code == DL_CODE_RETRY) {
            ++ends;
        }
    }
    return ends;
}

bool EventRecorder::WaitForAttemptEnds(int count, std::chrono::milliseconds timeout) const {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return AttemptEnds() >= count; });
}

bool EventRecorder::RunAttempt(CDownloader& downloader, int count) const {
    downloader.Start();
    return WaitForAttemptEnds(count, std::chrono::seconds(60));
}
