#include "StoreNotifier.h"

void CMessageBoxNotifier::ShowMessage(const char* text) {
    ::MessageBoxA(owner_, text ? text : "", "Cor Vela", MB_OK);
}
