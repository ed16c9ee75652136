#pragma once

namespace pairfall {

// Shows screen readers the table as a group of its twelve slots, in order,
// each slot a checkable button named after its card that can be pressed.
// Safe to call more than once.
void InstallTableAccessibility();

}
