#include "platform/RunningMark.h"

#include <windows.h>

namespace pairfall {

RunningMark::RunningMark()
    : m_handle(CreateMutexW(nullptr, FALSE, RunningMarkName))
{
}

RunningMark::~RunningMark()
{
    if (m_handle)
        CloseHandle(m_handle);
}

}
