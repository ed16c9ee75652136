#pragma once

#include <QIcon>
#include <QImage>

#include <future>
#include <vector>

namespace pairfall {

// Decodes the icon's pictures on a thread of its own while it lives, so that
// the decoding overlaps the making of the main window; ProgramIcon() waits
// for them.  Made once the application exists and ended before it, so the
// thread never outlives the application; its end waits for the thread.
class ProgramIconDecoding {
public:
    ProgramIconDecoding();
    ~ProgramIconDecoding();
    ProgramIconDecoding(const ProgramIconDecoding&) = delete;
    ProgramIconDecoding& operator=(const ProgramIconDecoding&) = delete;

private:
    friend QIcon ProgramIcon();
    std::future<std::vector<QImage>> m_images;
};

// The program's icon, a box of playing cards, in every size it ships in:
// from the decoding that lives, or decoded here without one.
QIcon ProgramIcon();

}
