#include "info/AutoUpgrader.h"

#include "info/FileReplace.h"
#include "info/UpdateDescription.h"

#include <QDateTime>
#include <memory>

namespace UpgradeText {
QString AskUpgrade(const QString &remote, const QString &local)
{
    return QStringLiteral("发现新版本：%1（本机版本：%2）。\n是否现在下载并更新？").arg(remote, local);
}
QString ConnectionLost()
{
    return QStringLiteral("与更新服务器的连接中断，更新未完成，程序未作改动。");
}
QString HostUnreachable()
{
    return QStringLiteral("无法连接到更新服务器，请检查网络连接后重试。");
}
QString ServerError(int httpStatus)
{
    return QStringLiteral("更新服务器返回错误（%1），请稍后重试。").arg(httpStatus);
}
QString BadSignature()
{
    return QStringLiteral("更新信息的数字签名无效，已拒绝本次更新，程序未作改动。");
}
QString Malformed()
{
    return QStringLiteral("更新信息的格式无法识别，已拒绝本次更新，程序未作改动。");
}
QString WrongApplication()
{
    return QStringLiteral("更新信息不属于本程序，已拒绝本次更新，程序未作改动。");
}
QString Tampered(const QString &file)
{
    return QStringLiteral("下载的文件“%1”未通过校验，可能已被篡改，已拒绝本次更新，程序未作改动。").arg(file);
}
QString InstallFailed(const QString &file, const QString &reason)
{
    return QStringLiteral("无法替换文件“%1”（%2），程序未作改动。").arg(file, reason);
}
QString Downloading(const QString &file)
{
    return QStringLiteral("正在下载 %1 …").arg(file);
}
QString AskRestart(const QString &version)
{
    return QStringLiteral("程序已更新到 %1 版，重新启动后生效。\n是否立即重新启动？").arg(version);
}
} // namespace UpgradeText

TAutoUpgrader::TAutoUpgrader(IUpdateTransport &transport, IUpgradeUi &ui, QByteArray publicKey)
    : m_transport(transport), m_ui(ui), m_publicKey(std::move(publicKey))
{
}

void TAutoUpgrader::CheckUpdate()
{
    if (m_busy)
        return;
    m_busy = true;
    m_outcome = TOutcome::None;
    m_remoteVersion.clear();
    m_remoteDate.clear();
    m_downloaded.clear();
    m_expected.clear();
    m_next = 0;
    // A description file is a few hundred bytes; an endless one is not read to the end.
    constexpr qint64 kMaxDescription = 64 * 1024;
    auto oversize = std::make_shared<bool>(false);
    m_transport.Get(
        InfoFileURL,
        [this, oversize](qint64 received, qint64 total) {
            if ((received > kMaxDescription || total > kMaxDescription) && !*oversize) {
                *oversize = true;
                m_transport.Abort();
            }
        },
        [this, oversize](const TFetchResult &r) {
            if (*oversize) {
                Message(UpgradeText::Malformed());
                return Finish(TOutcome::Refused);
            }
            InfoFetched(r);
        });
}

void TAutoUpgrader::Message(const QString &text)
{
    m_ui.ShowMessage(InfoFile.UpgradeMsg.isEmpty() ? ApplicationTitle : InfoFile.UpgradeMsg, text);
}

void TAutoUpgrader::Finish(TOutcome outcome)
{
    if (m_progressShown) {
        m_ui.EndProgress();
        m_progressShown = false;
    }
    m_outcome = outcome;
    m_downloaded.clear();
    m_busy = false;
    if (OnFinished)
        OnFinished();
}

bool TAutoUpgrader::ReportNetworkFailure(const TFetchResult &r)
{
    switch (r.status) {
    case TFetchResult::HostUnreachable:
        if (ShowMessages & mHostUnreachable)
            Message(UpgradeText::HostUnreachable());
        return true;
    case TFetchResult::ConnectionLost:
        if (ShowMessages & mConnLost)
            Message(UpgradeText::ConnectionLost());
        return true;
    case TFetchResult::ServerError:
        Message(UpgradeText::ServerError(r.httpStatus));
        return true;
    default:
        return false;
    }
}

QUrl TAutoUpgrader::FileUrl(const QString &name) const
{
    return InfoFileURL.resolved(QUrl(QString::fromLatin1(QUrl::toPercentEncoding(name))));
}

bool TAutoUpgrader::IsNewer() const
{
    if (VersionControl == byDate) {
        const auto fmt = QStringLiteral("yyyy-MM-dd HH:mm:ss");
        const QDateTime remote = QDateTime::fromString(m_remoteDate, fmt);
        const QDateTime local = QDateTime::fromString(VersionDate, fmt);
        return remote.isValid() && (!local.isValid() || remote > local);
    }
    return CompareVersionNumbers(m_remoteVersion, VersionNumber) > 0;
}

void TAutoUpgrader::InfoFetched(const TFetchResult &r)
{
    if (r.status == TFetchResult::NotFound) {
        if (OnNoInfoFile)
            OnNoInfoFile();
        return Finish(TOutcome::NoInfoFile);
    }
    if (r.status == TFetchResult::Aborted)
        return Finish(TOutcome::Cancelled);
    if (ReportNetworkFailure(r))
        return Finish(TOutcome::NetworkFailed);

    // Nothing in the file is believed before its signature is.
    const TDescriptionResult checked = ReadSignedDescription(r.body, m_publicKey);
    if (checked.check == EDescriptionCheck::Unsigned || checked.check == EDescriptionCheck::BadSignature) {
        Message(UpgradeText::BadSignature());
        return Finish(TOutcome::Refused);
    }
    if (checked.check != EDescriptionCheck::Ok) {
        Message(UpgradeText::Malformed());
        return Finish(TOutcome::Refused);
    }
    const TUpdateDescription &d = checked.description;
    if (d.Application != ApplicationTitle) {
        Message(UpgradeText::WrongApplication());
        return Finish(TOutcome::Refused);
    }
    m_remoteVersion = d.Version;
    m_remoteDate = d.Date;
    if (!IsNewer()) {
        if (OnNoUpdateAvailable)
            OnNoUpdateAvailable();
        return Finish(TOutcome::NoUpdate);
    }
    for (const QString &name : InfoFile.Files) {
        const TUpdateFileEntry *e = d.file(name);
        if (!e) {
            // A listed file the vendor did not sign for cannot be checked, so it is not taken.
            Message(UpgradeText::Malformed());
            return Finish(TOutcome::Refused);
        }
        m_expected.append({name, {e->Size, e->Sha256}});
    }
    if (m_expected.isEmpty()) {
        Message(UpgradeText::Malformed());
        return Finish(TOutcome::Refused);
    }
    if ((ShowMessages & mAskUpgrade)
        && !m_ui.AskYesNo(InfoFile.UpgradeMsg, UpgradeText::AskUpgrade(m_remoteVersion, VersionNumber)))
        return Finish(TOutcome::Declined);
    FetchNext();
}

void TAutoUpgrader::FetchNext()
{
    if (m_next >= m_expected.size())
        return InstallAll();
    const QString name = m_expected[m_next].first;
    const qint64 size = m_expected[m_next].second.first;
    if (!m_progressShown) {
        m_progressShown = true;
        m_ui.BeginProgress(InfoFile.UpgradeMsg, UpgradeText::Downloading(name), [this] { m_transport.Abort(); });
    }
    auto oversize = std::make_shared<bool>(false);
    m_transport.Get(
        FileUrl(name),
        [this, size, oversize](qint64 received, qint64 total) {
            // More than the signed size can only be a wrong file: stop fetching it.
            if (received > size || total > size) {
                if (!*oversize) {
                    *oversize = true;
                    m_transport.Abort();
                }
                return;
            }
            m_ui.SetProgress(received, size);
        },
        [this, oversize](const TFetchResult &r) {
            if (*oversize) {
                Message(UpgradeText::Tampered(m_expected[m_next].first));
                return Finish(TOutcome::Refused);
            }
            FileFetched(r);
        });
}

void TAutoUpgrader::FileFetched(const TFetchResult &r)
{
    const QString name = m_expected[m_next].first;
    if (r.status == TFetchResult::NotFound) {
        if (m_progressShown) {
            m_ui.EndProgress();
            m_progressShown = false;
        }
        if (OnLostFile)
            OnLostFile();
        return Finish(TOutcome::LostFile);
    }
    if (r.status == TFetchResult::Aborted)
        return Finish(TOutcome::Cancelled);
    if (r.status != TFetchResult::Ok) {
        if (m_progressShown) {
            m_ui.EndProgress();
            m_progressShown = false;
        }
        ReportNetworkFailure(r);
        return Finish(TOutcome::NetworkFailed);
    }
    const auto &[size, sha] = m_expected[m_next].second;
    if (r.body.size() != size || Sha256Of(r.body) != sha) {
        if (m_progressShown) {
            m_ui.EndProgress();
            m_progressShown = false;
        }
        Message(UpgradeText::Tampered(name));
        return Finish(TOutcome::Refused);
    }
    m_downloaded.append({name, r.body});
    ++m_next;
    FetchNext();
}

void TAutoUpgrader::InstallAll()
{
    if (m_progressShown) {
        m_ui.EndProgress();
        m_progressShown = false;
    }
    // Every file was checked before the first one is replaced.
    for (qsizetype i = 0; i < m_downloaded.size(); ++i) {
        const auto &[name, bytes] = m_downloaded[i];
        QString why;
        if (!ReplaceFileAtomically(ProgramDir + name, bytes, m_expected[i].second.second, &why)) {
            Message(UpgradeText::InstallFailed(name, why));
            return Finish(TOutcome::InstallFailed);
        }
    }
    VersionNumber = m_remoteVersion;
    const bool restart = (ShowMessages & mRestart)
        && m_ui.AskYesNo(InfoFile.UpgradeMsg, UpgradeText::AskRestart(m_remoteVersion));
    Finish(TOutcome::Installed);
    if (restart && OnRestart)
        OnRestart();
}
