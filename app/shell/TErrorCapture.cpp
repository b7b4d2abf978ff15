#include "TErrorCapture.h"

TErrorCapture::TErrorCapture()
    : m_previous(TErrorShell::SetReportSink([this](const QString& title, const QString& text) {
          m_reports.push_back(TReport{title, text});
      })) {}

TErrorCapture::~TErrorCapture() {
    TErrorShell::SetReportSink(std::move(m_previous));
}
