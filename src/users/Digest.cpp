#include "users/Digest.h"

#include <QCryptographicHash>

#include "core/TextFile.h"

namespace orvex {

QString PasswordDigest(const QString& password) {
    const QByteArray digest = QCryptographicHash::hash(EncodeWin1251(password), QCryptographicHash::Md5);
    QString text;
    for (const char byte : digest) text += QString::number(quint8(byte), 16).toUpper();  // no leading zero
    return text;
}

}  // namespace orvex
