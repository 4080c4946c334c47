#pragma once
// The radiograph at one zoom of the display, in 32-bit colour, as Qt's smooth
// scaling of its 32-bit copy makes it. An 8-bit grey film is shrunk on its one
// channel with the same integer steps, without converting the whole film
// first; the rows are made in bands by the thread pool's threads and by the
// thread that needs the picture first.

#include <QImage>
#include <QSemaphore>
#include <atomic>
#include <memory>

namespace vt {

struct GreyShrink;

class PictureScaling : public std::enable_shared_from_this<PictureScaling> {
public:
    PictureScaling(const QImage& picture, QSize size);
    ~PictureScaling();

    // Puts up to `helpers` of the pool's threads on the bands; once.
    void start(int helpers);
    // The picture, the bands no thread has taken made here; null when it
    // cannot be held.
    const QImage& result();
    // The bands no thread has taken are skipped: the picture is not wanted.
    void abandon() { abandoned_ = true; }

private:
    void work();
    void make(int band);

    const QImage picture_;  // shares the film's pixels: they stay while a band reads them
    const QSize size_;
    QImage scaled_;
    std::unique_ptr<GreyShrink> grey_;  // none: Qt's own scaling
    int bands_ = 0;
    std::atomic<int> next_{0};
    std::atomic<bool> abandoned_{false};
    QSemaphore done_;  // a release for each band done
    // Used by the display's thread alone.
    bool started_ = false;
    bool finished_ = false;
};

}  // namespace vt
