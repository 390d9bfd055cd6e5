// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QString>
#include <filesystem>

namespace vantrel::ui {

// File names between Qt's texts and the standard library's paths, in the
// system's own encoding of file names.
inline std::filesystem::path toPath(const QString& s) {
#ifdef _WIN32
    return std::filesystem::path(s.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(s).toStdString());
#endif
}

inline QString toQString(const std::filesystem::path& p) {
#ifdef _WIN32
    return QString::fromStdWString(p.wstring());
#else
    return QFile::decodeName(QByteArray::fromStdString(p.string()));
#endif
}

} // namespace vantrel::ui
