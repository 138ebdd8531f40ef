#include "platform/qt/widgets/tool_run.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

namespace ductora::platform::qt {

namespace {

constexpr int kKillAfterMs = 5000;

// Installed, the tools lie beside the program; in a build tree each program has its own folder.
QString findTool(const QString& name) {
  const QDir here(QCoreApplication::applicationDirPath());
  for (const QString& candidate : {here.filePath(name), here.filePath("../cli/" + name)}) {
    if (QFileInfo(candidate).isExecutable()) return QFileInfo(candidate).canonicalFilePath();
  }
  const QString onPath = QStandardPaths::findExecutable(name);
  return onPath.isEmpty() ? name : onPath;
}

// One run: the process, its dialog and what it said, deleted once it has ended.
struct ToolRun {
  QProcess process;
  QProgressDialog dialog;
  QString messages;
  QByteArray pending;
  bool cancelled = false;
  ToolDone done;

  ToolRun(QWidget* parent, const QString& caption, ToolDone whenDone)
      : dialog(caption, "Cancel", 0, 0, parent), done(std::move(whenDone)) {
    dialog.setWindowTitle(caption);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumWidth(360);
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
  }

  // Progress lines move the bar; every other line is kept for the message at the end.
  void readLines() {
    static const QRegularExpression progress(R"(^progress (\d+)/(\d+)$)");
    pending += process.readAllStandardError();
    for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
      const QString line = QString::fromUtf8(pending.left(end));
      pending.remove(0, end + 1);
      const QRegularExpressionMatch match = progress.match(line);
      if (match.hasMatch()) {
        dialog.setMaximum(match.captured(2).toInt());
        dialog.setValue(match.captured(1).toInt());
      } else {
        messages += line + '\n';
      }
    }
  }

  void cancel() {
    if (cancelled) return;
    cancelled = true;
    dialog.setLabelText("Stopping...");
    process.terminate();
    QTimer::singleShot(kKillAfterMs, &process, [this] { process.kill(); });
  }

  void finish(ToolOutcome::End end, int exitCode) {
    readLines();
    dialog.hide();
    ToolOutcome outcome{cancelled ? ToolOutcome::End::kCancelled : end, exitCode, messages.toStdString()};
    // Not inside the process's own signal: once the loop is back, the run goes, then the caller hears.
    QTimer::singleShot(0, [this, outcome] {
      const ToolDone callback = std::move(done);
      delete this;
      callback(outcome);
    });
  }
};

}  // namespace

void startToolRun(QWidget* parent, const std::string& caption, const std::string& tool,
                  const std::vector<std::string>& arguments, ToolDone done) {
  auto* run = new ToolRun(parent, QString::fromStdString(caption), std::move(done));
  QStringList args;
  for (const std::string& argument : arguments) args << QString::fromStdString(argument);
  QObject::connect(&run->process, &QProcess::readyReadStandardError, &run->dialog,
                   [run] { run->readLines(); });
  QObject::connect(&run->dialog, &QProgressDialog::canceled, &run->dialog, [run] { run->cancel(); });
  QObject::connect(
      &run->process, &QProcess::finished, &run->dialog,
      [run](int exitCode, QProcess::ExitStatus) { run->finish(ToolOutcome::End::kFinished, exitCode); });
  QObject::connect(&run->process, &QProcess::errorOccurred, &run->dialog,
                   [run](QProcess::ProcessError error) {
                     if (error == QProcess::FailedToStart) run->finish(ToolOutcome::End::kNotStarted, -1);
                   });
  run->dialog.show();
  run->process.start(findTool(QString::fromStdString(tool)), args);
}

}  // namespace ductora::platform::qt
