#include "TForm1Driver.h"

#include "TAvailabilityStudy.h"
#include "TChart1Curves.h"

#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>

TForm1Driver::TForm1Driver(TForm1& form)
    : Window(form), PageControl1(form.PageControl1), Tabsheet1(form.Tabsheet1),
      TabSheet2(form.TabSheet2), Label1(form.Label1), Label2(form.Label2), Label3(form.Label3),
      Label4(form.Label4), Label5(form.Label5), Label6(form.Label6), Label7(form.Label7),
      Label8(form.Label8), DetailsButton(form.DetailsButton), StringGrid1(form.StringGrid1),
      ComboBox1(form.ComboBox1), ComboBox2(form.ComboBox2), ComboBox3(form.ComboBox3),
      ComboBox4(form.ComboBox4), Edit1(form.Edit1), Edit2(form.Edit2), Edit3(form.Edit3),
      Chart1(form.Chart1), RadioGroup1(form.RadioGroup1), PopupMenu1(form.PopupMenu1),
      PopupMenu2(form.PopupMenu2), CopyAction(form.CopyAction), CopyDataAction(form.CopyDataAction),
      ReloadAction(form.ReloadAction), ResetViewAction(form.ResetViewAction),
      DataReportAction(form.DataReportAction), ExportChartAction(form.ExportChartAction),
      ExportDataAction(form.ExportDataAction), PrintAction(form.PrintAction),
      OpenFolderAction(form.OpenFolderAction), FitToDataAction(form.FitToDataAction),
      EstimateHelpAction(form.EstimateHelpAction), AboutAction(form.AboutAction),
      MenuAction(form.MenuAction), UndoAction(form.UndoAction), RedoAction(form.RedoAction),
      MenuButton(form.MenuButton), MainMenu(form.MainMenu),
      Series1(form.m_curves->Series().Series1), Series2(form.m_curves->Series().Series2),
      Series3(form.m_curves->Series().Series3), Series4(form.m_curves->Series().Series4),
      Series5(form.m_curves->Series().Series5), Series6(form.m_curves->Series().Series6),
      Series7(form.m_curves->Series().Series7), Series8(form.m_curves->Series().Series8) {}

Armalyx::TAvailabilityStudy& TForm1Driver::Study() const {
    return *Window.m_study;
}

Armalyx::TChart1Curves& TForm1Driver::Curves() const {
    return *Window.m_curves;
}

void TForm1Driver::SetFolderChooser(TForm1::TFolderChooser chooser) {
    Window.m_chooseFolder = std::move(chooser);
}

void TForm1Driver::SetSaveChooser(TForm1::TSaveChooser chooser) {
    Window.m_chooseSaveFile = std::move(chooser);
}

// The name field of the platform's print dialog, as Print… opens it from its preview.
QString TForm1Driver::PrintFileName() const {
    QPrinter printer(QPrinter::HighResolution);
    Window.SetUpPrinter(printer);
    const QPrintDialog dialog(&printer, &Window);
    const auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
    return field != nullptr ? field->text() : printer.outputFileName();
}

TDataFolderWatcher& TForm1Driver::DataWatcher() const {
    return Study().Watcher();
}

bool TForm1Driver::FiguresOutOfDate() const {
    return Study().FiguresOutOfDate();
}

QString TForm1Driver::ChartDataText() const {
    return Curves().DataText();
}

std::vector<QStringList> TForm1Driver::ChartDataRows(const QLocale& locale) const {
    return Curves().DataRows(locale);
}

std::vector<QStringList> TForm1Driver::ChartReadingRows(const QLocale& locale) const {
    return Curves().ReadingRows(locale);
}

QString TForm1Driver::ChartSummary() const {
    return Curves().Summary();
}

QImage TForm1Driver::ChartImage() const {
    return Armalyx::ChartExport::ScreenImage(*Chart1);
}

void TForm1Driver::ExportChartTo(const QString& fileName,
                                 const Armalyx::ChartExport::TExportSize& size) {
    Window.WriteChartFile(fileName, size);
}
