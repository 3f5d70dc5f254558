#include "DocumentWindows.h"

#include "frmForwarderTrack.h"
#include "frmMoves.h"

namespace qnr::documents {

QWidget* createDocumentWindow(const QString& windowName, AppContext& context)
{
    if (windowName == QLatin1String("frmMoves"))
        return new frmMoves(context);
    if (windowName == QLatin1String("frmForwarderTrack"))
        return new frmForwarderTrack(context);
    return nullptr;
}

} // namespace qnr::documents
