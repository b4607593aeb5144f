#pragma once

// Shared by the resource script and the code: the first icon group is the
// program's application icon.
#define ZGP_APPLICATION_ICON 1
