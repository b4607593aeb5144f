#pragma once

namespace cli {

enum ExitStatus : int {
  kComplete = 0,      // updated, or --check: an update would complete
  kCannotUpdate = 1,  // a required text is missing (not Zelvar 2000, or already German)
  kInvalidPath = 2,
  kFileFailed = 3,   // reading or writing failed; the file is unchanged
  kWrongUsage = 64,  // as EX_USAGE of sysexits.h
};

}  // namespace cli
