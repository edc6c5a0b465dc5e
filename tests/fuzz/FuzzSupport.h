#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// Helpers shared by the fuzz harnesses.
namespace FuzzSupport {

QByteArray bytesOf(const std::uint8_t* data, std::size_t size);

// A file in a folder of this process's own, which every run may overwrite.
QString scratchPath(const QString& name);
void writeScratch(const QString& path, const QByteArray& bytes);

// An input that starts with arguments: its first `count` lines (ended by LF,
// read as UTF-8), then the body. Missing lines are empty.
struct Arguments
{
    QStringList lines;
    QByteArray body;
};
Arguments splitArguments(const QByteArray& input, int count);

// Reports a broken property and aborts, so that the fuzzer keeps the input.
[[noreturn]] void fail(const QString& what);

} // namespace FuzzSupport
