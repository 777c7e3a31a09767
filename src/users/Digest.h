#pragma once

#include <QString>

namespace orvex {

// The password digest: MD5 of the Windows-1251 bytes, each byte as upper-case hex without a
// leading zero ("abc" gives 90150983CD24FB0D6963F7D28E17F72). The empty text means no password.
QString PasswordDigest(const QString& password);

}  // namespace orvex
