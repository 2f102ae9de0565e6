#include "libreofficeengine.h"

#include "officeapplication.h"
#include "sharedoffice.h"
#include "useroffice.h"
#include "automation/word/engine.h"
#include "automation/failure.h"

namespace engines::libreoffice {
namespace {

class LibreOfficeEngine : public word::Engine {
public:
    QString knownName() const override { return QString::fromLatin1(OfficeApplication::productName); }

    std::shared_ptr<word::Application> create() override { return std::make_shared<OfficeApplication>(); }

    std::shared_ptr<word::Application> attachRunning() override
    {
        if (!UserOffice::isRunning())
            throw automation::Failure(QStringLiteral("No LibreOffice of the user's is running."));
        return std::make_shared<UserOffice>();
    }

    void prepare() override { SharedOffice::prepare(); }
};

} // namespace

std::shared_ptr<word::Engine> engine()
{
    static const auto instance = std::make_shared<LibreOfficeEngine>();
    return instance;
}

} // namespace engines::libreoffice
