#include "testortami.h"

#include <QDialog>
#include <QTest>

// The window tests' answer to a modal window: recorded by its class, then
// answered from the queue or by the default answer.
int TestOrtami::ModalGoster(QDialog& pencere)
{
    Kayit << QStringLiteral("modal: ") + QString::fromLatin1(pencere.metaObject()->className());
    std::function<int(QDialog&)> cevap;
    if (!Modallar.empty()) {
        cevap = std::move(Modallar.front());
        Modallar.pop_front();
    } else if (VarsayilanModal) {
        cevap = VarsayilanModal;
    } else {
        QTest::qFail(qPrintable(QStringLiteral("beklenmeyen pencere: ")
                                + QString::fromLatin1(pencere.metaObject()->className())),
                     __FILE__, __LINE__);
        return QDialog::Rejected;
    }
    return cevap(pencere);
}
