#include "SimEnum.h"

namespace sim {

SimEnum::~SimEnum() {
    for (IWbemClassObject* o : objects_) o->Release();
}

HRESULT SimEnum::Reset() {
    pos_ = 0;
    return WBEM_S_NO_ERROR;
}

HRESULT SimEnum::Next(LONG, ULONG count, IWbemClassObject** objects, ULONG* returned) {
    if (!objects || !returned) return WBEM_E_INVALID_PARAMETER;
    ULONG n = 0;
    while (n < count && pos_ < objects_.size()) {
        objects[n] = objects_[pos_++];
        objects[n]->AddRef();
        ++n;
    }
    *returned = n;
    return n == count ? WBEM_S_NO_ERROR : WBEM_S_FALSE;
}

HRESULT SimEnum::Skip(LONG, ULONG count) {
    std::size_t left = objects_.size() - pos_;
    if (count > left) {
        pos_ = objects_.size();
        return WBEM_S_FALSE;
    }
    pos_ += count;
    return WBEM_S_NO_ERROR;
}

HRESULT SimEnum::Clone(IEnumWbemClassObject** copy) {
    if (!copy) return WBEM_E_INVALID_PARAMETER;
    for (IWbemClassObject* o : objects_) o->AddRef();
    SimEnum* e = new SimEnum(objects_);
    e->pos_ = pos_;
    *copy = e;
    return WBEM_S_NO_ERROR;
}

HRESULT SimEnum::NextAsync(ULONG, IWbemObjectSink*) { return WBEM_E_NOT_SUPPORTED; }

}  // namespace sim
