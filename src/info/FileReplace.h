#pragma once
// Putting a new program file in place of the old one without ever leaving neither.
#include <QByteArray>
#include <QString>

// Writes bytes beside target, checks what landed on disk against expectedSha256, carries
// over the old file's permissions (the executable bit), and then swaps it in with one
// rename. Until that rename the old file stays as it was; on any failure it is untouched,
// nothing is left behind, and error says why.
bool ReplaceFileAtomically(const QString &target, const QByteArray &bytes, const QByteArray &expectedSha256,
                           QString *error = nullptr);
