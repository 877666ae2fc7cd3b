#include "audio/PreviewProgress.h"

#include <algorithm>

#include "audio/PreviewHost.h"

void PreviewProgress::SetRange(int upper)
{
    upper_.store(std::clamp(upper, 0, kMaxUpper));
    Show();
}

void PreviewProgress::SetPosition(int position)
{
    position_.store(position);
    Show();
}

void PreviewProgress::Step()
{
    position_.fetch_add(1);
    Show();
}

void PreviewProgress::Show()
{
    const int upper = upper_.load();
    host_.ShowPreviewProgress(upper, std::min(position_.load(), upper));
}
