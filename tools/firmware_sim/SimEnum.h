#pragma once
// IEnumWbemClassObject over a fixed list of objects, taken when the enumeration was made.
#include <vector>

#include "Com.h"
#include "ComObject.h"
#include <wbemidl.h>

namespace sim {

class SimEnum : public ComObject<IEnumWbemClassObject> {
public:
    // Takes over the references of `objects`.
    explicit SimEnum(std::vector<IWbemClassObject*> objects) : objects_(std::move(objects)) {}

    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Next(LONG timeout, ULONG count, IWbemClassObject** objects,
                                   ULONG* returned) override;
    HRESULT STDMETHODCALLTYPE NextAsync(ULONG, IWbemObjectSink*) override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumWbemClassObject** copy) override;
    HRESULT STDMETHODCALLTYPE Skip(LONG timeout, ULONG count) override;

private:
    ~SimEnum() override;

    std::vector<IWbemClassObject*> objects_;
    std::size_t pos_ = 0;
};

}  // namespace sim
