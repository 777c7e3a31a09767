#include "core/Network.h"

namespace orvex {

void StandAloneNetwork::SendNotification(const QString& word) {
    // The sender refreshes its own appointment views; other words need no local refresh.
    if (word == kAppointmentRefresh && dispatch) dispatch(word);
}

}  // namespace orvex
