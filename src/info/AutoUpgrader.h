#pragma once
// The update component: fetches the signed description file, compares versions, asks,
// downloads with progress, checks every byte against the signed hashes and only then
// replaces the program file. The network and the dialogs are reached through two small
// interfaces, so the whole decision path runs and is tested without either.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

struct TFetchResult {
    enum Status { Ok, NotFound, HostUnreachable, ConnectionLost, ServerError, Aborted };
    Status status = Ok;
    QByteArray body;
    int httpStatus = 0;
};

class IUpdateTransport {
public:
    virtual ~IUpdateTransport() = default;
    using Progress = std::function<void(qint64 received, qint64 total)>;
    using Done = std::function<void(const TFetchResult &)>;
    // One request at a time; done is called exactly once, never from inside Get.
    virtual void Get(const QUrl &url, Progress progress, Done done) = 0;
    // Ends the running request; its done reports Aborted.
    virtual void Abort() = 0;
};

class IUpgradeUi {
public:
    virtual ~IUpgradeUi() = default;
    virtual bool AskYesNo(const QString &title, const QString &text) = 0;
    virtual void ShowMessage(const QString &title, const QString &text) = 0;
    virtual void BeginProgress(const QString &title, const QString &label, std::function<void()> onCancel) = 0;
    virtual void SetProgress(qint64 received, qint64 total) = 0;
    virtual void EndProgress() = 0;
};

// The texts of the component's own messages.
namespace UpgradeText {
QString AskUpgrade(const QString &remote, const QString &local);
QString ConnectionLost();
QString HostUnreachable();
QString ServerError(int httpStatus);
QString BadSignature();
QString Malformed();
QString WrongApplication();
QString Tampered(const QString &file);
QString InstallFailed(const QString &file, const QString &reason);
QString Downloading(const QString &file);
QString AskRestart(const QString &version);
} // namespace UpgradeText

class TAutoUpgrader {
public:
    enum TVersionControl { byNumber, byDate };
    enum TShowMessage {
        mAskUpgrade = 1,
        mConnLost = 2,
        mHostUnreachable = 4,
        mLostFile = 8,
        mNoInfoFile = 16,
        mPasswordRequest = 32,
        mRestart = 64,
    };
    struct TInfoFile {
        QStringList Files;
        QString UpgradeMsg;
    };

    TAutoUpgrader(IUpdateTransport &transport, IUpgradeUi &ui, QByteArray publicKey);

    // ---- settings
    QString ApplicationTitle;
    QUrl InfoFileURL;
    TInfoFile InfoFile;
    TVersionControl VersionControl = byNumber;
    QString VersionNumber;
    QString VersionDate;
    bool VersionDateAutoSet = true;
    int ShowMessages = mAskUpgrade | mConnLost | mHostUnreachable | mLostFile | mNoInfoFile | mPasswordRequest | mRestart;
    QString ProgramDir; // where the listed files live, with a trailing "/"

    // ---- events
    std::function<void()> OnNoUpdateAvailable;
    std::function<void()> OnNoInfoFile;
    std::function<void()> OnLostFile;
    // The files are in place and the user chose to restart.
    std::function<void()> OnRestart;
    // The check has ended, whatever its outcome (after every message was answered).
    std::function<void()> OnFinished;

    bool Busy() const { return m_busy; }
    // Starts a check; does nothing while one runs.
    void CheckUpdate();
    QString RemoteVersionNumber() const { return m_remoteVersion; }
    QString RemoteVersionDate() const { return m_remoteDate; }

    enum class TOutcome { None, NoUpdate, NoInfoFile, LostFile, Declined, Refused, NetworkFailed, Cancelled, Installed, InstallFailed };
    TOutcome LastOutcome() const { return m_outcome; }

private:
    void InfoFetched(const TFetchResult &r);
    void FetchNext();
    void FileFetched(const TFetchResult &r);
    void InstallAll();
    bool ReportNetworkFailure(const TFetchResult &r);
    void Message(const QString &text);
    void Finish(TOutcome outcome);
    QUrl FileUrl(const QString &name) const;
    bool IsNewer() const;

    IUpdateTransport &m_transport;
    IUpgradeUi &m_ui;
    QByteArray m_publicKey;
    bool m_busy = false;
    bool m_progressShown = false;
    QString m_remoteVersion;
    QString m_remoteDate;
    QList<std::pair<QString, QByteArray>> m_downloaded;
    qsizetype m_next = 0;
    QList<std::pair<QString, std::pair<qint64, QByteArray>>> m_expected; // name, size, sha256
    TOutcome m_outcome = TOutcome::None;
};
