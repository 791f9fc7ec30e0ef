#include "StoreNotifier.h"

#include "SuiteContract.h"

void CMessageBoxNotifier::ShowMessage(const char* text) {
    ::MessageBoxA(owner_, text ? text : "", kMessageBoxCaption, MB_OK);
}
