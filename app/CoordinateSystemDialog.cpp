// The coordinate system question. See CoordinateSystemDialog.h.

#include "app/CoordinateSystemDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <array>

namespace plotvane::app {
namespace {

// The regions of the zones, as the survey ordinance lists them (shortened).
constexpr std::array<const char*, kZoneCount> kZoneRegions{
    "長崎県 鹿児島県の一部",
    "福岡県 佐賀県 熊本県 大分県 宮崎県 鹿児島県の一部",
    "山口県 島根県 広島県",
    "香川県 愛媛県 徳島県 高知県",
    "兵庫県 鳥取県 岡山県",
    "京都府 大阪府 福井県 滋賀県 三重県 奈良県 和歌山県",
    "石川県 富山県 岐阜県 愛知県",
    "新潟県 長野県 山梨県 静岡県",
    "東京都の一部 福島県 栃木県 茨城県 埼玉県 千葉県 群馬県 神奈川県",
    "青森県 秋田県 山形県 岩手県 宮城県",
    "北海道の西部",
    "北海道の中央部",
    "北海道の東部",
    "東京都の小笠原諸島",
    "沖縄県の沖縄本島など",
    "沖縄県の先島諸島",
    "沖縄県の大東諸島",
    "東京都の沖ノ鳥島",
    "東京都の南鳥島",
};

// The list's data: the EPSG code, 0 for none, -1 for a typed code.
constexpr int kTypedCode = -1;

}  // namespace

CoordinateSystemDialog::CoordinateSystemDialog(CoordinateSystem preset, bool required, QWidget* parent)
    : QDialog(parent), m_list(new QComboBox(this)), m_code(new QLineEdit(this)), m_problem(new QLabel(this)) {
  setWindowTitle(QStringLiteral("座標系"));
  if (!required) m_list->addItem(QStringLiteral("なし (座標系を書き込まない)"), 0);
  for (std::int32_t zone = 1; zone <= kZoneCount; ++zone) {
    m_list->addItem(QStringLiteral("第%1系 (EPSG:%2) %3")
                        .arg(QString::fromStdString(ZoneNumeral(zone)))
                        .arg(ZoneSystem(zone).epsg)
                        .arg(QString::fromUtf8(kZoneRegions[static_cast<std::size_t>(zone - 1)])),
                    ZoneSystem(zone).epsg);
  }
  m_list->addItem(QStringLiteral("EPSG コードを指定"), kTypedCode);
  m_code->setPlaceholderText(QStringLiteral("EPSG:32654"));

  const int presetRow = preset.chosen() ? m_list->findData(preset.epsg) : (required ? 0 : m_list->findData(0));
  if (presetRow >= 0) {
    m_list->setCurrentIndex(presetRow);
  } else {
    m_list->setCurrentIndex(m_list->count() - 1);
    m_code->setText(QStringLiteral("EPSG:%1").arg(preset.epsg));
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("データの X, Y の座標系:"), this));
  layout->addWidget(m_list);
  layout->addWidget(m_code);
  layout->addWidget(m_problem);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_list, &QComboBox::currentIndexChanged, this, &CoordinateSystemDialog::showChoice);
  showChoice();
}

void CoordinateSystemDialog::showChoice() {
  m_code->setEnabled(m_list->currentData().toInt() == kTypedCode);
  m_problem->clear();
}

void CoordinateSystemDialog::accept() {
  const int code = m_list->currentData().toInt();
  if (code != kTypedCode) {
    m_chosen = {code};
    QDialog::accept();
    return;
  }
  const CoordinateSystemRead read = ReadCoordinateSystem(m_code->text().trimmed().toStdString());
  if (read.failure) {
    m_problem->setText(QStringLiteral("PROJ の知らない EPSG コードです。EPSG:6677 のように書いてください。"));
    return;
  }
  m_chosen = read.system;
  QDialog::accept();
}

std::optional<CoordinateSystem> AskCoordinateSystem(Dialogs& dialogs, QWidget* parent, CoordinateSystem preset,
                                                    bool required) {
  CoordinateSystemDialog dialog(preset, required, parent);
  dialogs.runModal(dialog);
  if (dialog.result() != QDialog::Accepted) return std::nullopt;
  return dialog.chosen();
}

}  // namespace plotvane::app
