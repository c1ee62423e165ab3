#include "records/ui/frm_statis_overall_internet1.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "records/ui/publishing_pages.h"
#include "records/ui/score_grid.h"

namespace tablerun {

TfrmStatisOverallInternet1::TfrmStatisOverallInternet1(const std::string& webCode, QWidget* parent)
    : C_TAdvancedForm(parent) {
  setObjectName("frmStatisOverallInternet1");
  setWindowTitle("Publish your Overall Score on the Web");
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel("1.", this), 0, 0);
  layout->addWidget(new QLabel("Open:", this), 0, 1);
  layout->addWidget(fnNewWebLink(this, "lblSubmissionPage", publishing::kOverallSubmissionPage), 0, 2);
  layout->addWidget(new QLabel("2.", this), 1, 0, Qt::AlignTop);
  auto* fill = new QLabel("On the Web page, fill in the \"Score\" field with the following encrypted score.", this);
  fill->setWordWrap(true);
  layout->addWidget(fill, 1, 1, 1, 2);
  auto* code = new QLineEdit(QString::fromStdString(webCode), this);
  code->setObjectName("edtWebCode");
  code->setReadOnly(true);
  code->setMinimumWidth(code->fontMetrics().horizontalAdvance(code->text()) + 16);
  layout->addWidget(code, 2, 1, 1, 2);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("btnOK");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 3, 2, Qt::AlignRight);
  // Ready to be copied.
  code->selectAll();
  code->setFocus();
}

}  // namespace tablerun
