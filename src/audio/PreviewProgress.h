#pragma once
// The preview's progress bar: a range 0 .. upper and a position, kept here so
// that the workers read them without asking the window, and shown through the
// host after every change.

#include <atomic>

class PreviewHost;

class PreviewProgress {
public:
    // The bar's upper value is a 16-bit quantity.
    static constexpr int kMaxUpper = 65535;

    explicit PreviewProgress(PreviewHost& host) : host_(host) {}

    // The range 0 .. upper, `upper` held within 0 .. kMaxUpper; the position
    // is kept.
    void SetRange(int upper);
    void SetPosition(int position);
    // Advances the position by one.
    void Step();

    int Upper() const { return upper_.load(); }
    int Position() const { return position_.load(); }

private:
    void Show();

    PreviewHost& host_;
    std::atomic<int> upper_{100};
    std::atomic<int> position_{0};
};
