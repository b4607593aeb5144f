#include "platform/posix/errno_error.h"

#include <cerrno>
#include <cstring>

namespace platform::posix {
namespace {

FileErrorKind kindOf(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return FileErrorKind::NotFound;
    case EISDIR:
      return FileErrorKind::IsFolder;
    case ETXTBSY:
    case EBUSY:
      return FileErrorKind::InUse;
    case EACCES:
    case EPERM:
      return FileErrorKind::AccessDenied;
    case EROFS:
      return FileErrorKind::ReadOnly;
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
      return FileErrorKind::NoSpace;
    default:
      return FileErrorKind::Other;
  }
}

}  // namespace

FileError errnoError(int error) { return {kindOf(error), std::strerror(error)}; }

FileError lastError() { return errnoError(errno); }

}  // namespace platform::posix
