#include "qt/QtViewerChain.h"

#include "runtime/RuntimeError.h"

namespace quiz {

QtViewerChain::QtViewerChain(std::vector<QtProgramStarter::Command> candidates, QString workDir)
    : candidates_(std::move(candidates)), workDir_(std::move(workDir)) {}

void QtViewerChain::begin(std::vector<QtProgramStarter::Command> candidates, const QString& workDir) {
    auto* chain = new QtViewerChain(std::move(candidates), workDir);
    if (!chain->startNext()) {
        delete chain;
        throw RuntimeError::fileNotFound();
    }
}

bool QtViewerChain::startNext() {
    while (next_ < candidates_.size()) {
        const QtProgramStarter::Command& c = candidates_[next_++];
        if (c.program == QLatin1String("xdg-open")) {
            watched_ = new QProcess(this);
            watched_->setWorkingDirectory(workDir_);
            watched_->setStandardInputFile(QProcess::nullDevice());
            watched_->setStandardOutputFile(QProcess::nullDevice());
            watched_->setStandardErrorFile(QProcess::nullDevice());
            connect(watched_, &QProcess::finished, this, &QtViewerChain::watchedEnded);
            watched_->start(c.program, c.arguments);
            if (watched_->waitForStarted(2000)) return true;
            delete watched_;
            watched_ = nullptr;
            continue;
        }
        if (QProcess::startDetached(c.program, c.arguments, workDir_)) {
            deleteLater();
            return true;
        }
    }
    return false;
}

void QtViewerChain::watchedEnded(int exitCode, QProcess::ExitStatus status) {
    watched_->deleteLater();
    watched_ = nullptr;
    // xdg-open found an application: done. Otherwise the next viewer; when
    // none is left nothing happens, as the instructions command wants.
    if ((status == QProcess::NormalExit && exitCode == 0) || !startNext()) deleteLater();
}

}  // namespace quiz
