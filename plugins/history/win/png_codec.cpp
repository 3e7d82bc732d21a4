#include "png_codec.h"

#include <objbase.h>
#include <wincodec.h>

#include <cstring>
#include <vector>

namespace tlxhistory {

namespace {

constexpr size_t kMaxPixelBytes = 512u * 1024 * 1024;

// Releases a COM interface at the end of its scope.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (pointer_) pointer_->Release();
    }
    ComPtr(const ComPtr &) = delete;
    ComPtr &operator=(const ComPtr &) = delete;
    T **Out() { return &pointer_; }
    T *operator->() const { return pointer_; }
    T *Get() const { return pointer_; }

private:
    T *pointer_ = nullptr;
};

// COM for the calling thread while the object lives; the host's own
// initialisation, whatever its model, is left as it is.
class ComScope {
public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComScope(const ComScope &) = delete;
    ComScope &operator=(const ComScope &) = delete;

private:
    HRESULT result_;
};

bool CreateFactory(ComPtr<IWICImagingFactory> &factory) {
    return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IWICImagingFactory, reinterpret_cast<void **>(factory.Out())));
}

std::optional<std::string> StreamBytes(IStream *stream) {
    STATSTG stat{};
    if (FAILED(stream->Stat(&stat, STATFLAG_NONAME)) || stat.cbSize.QuadPart >= MAXDWORD) return std::nullopt;
    std::string bytes(static_cast<size_t>(stat.cbSize.QuadPart), '\0');
    LARGE_INTEGER start{};
    ULONG read = 0;
    if (FAILED(stream->Seek(start, STREAM_SEEK_SET, nullptr)) ||
        FAILED(stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read)) || read != bytes.size())
        return std::nullopt;
    return bytes;
}

}  // namespace

std::optional<std::string> PngFromBitmap(HBITMAP bitmap) {
    ComScope com;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICBitmap> source;
    ComPtr<IStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    if (!CreateFactory(factory) ||
        FAILED(factory->CreateBitmapFromHBITMAP(bitmap, nullptr, WICBitmapIgnoreAlpha, source.Out())) ||
        FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.Out())) ||
        FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Out())) ||
        FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(frame.Out(), nullptr)) || FAILED(frame->Initialize(nullptr)))
        return std::nullopt;
    UINT width = 0, height = 0;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(source->GetSize(&width, &height)) || FAILED(frame->SetSize(width, height)) ||
        FAILED(frame->SetPixelFormat(&format)) || FAILED(frame->WriteSource(source.Get(), nullptr)) ||
        FAILED(frame->Commit()) || FAILED(encoder->Commit()))
        return std::nullopt;
    return StreamBytes(stream.Get());
}

std::optional<std::string> DibFromPng(std::string_view png) {
    if (png.size() >= MAXDWORD) return std::nullopt;
    ComScope com;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    // The stream reads these bytes in place and wants them writable.
    std::vector<BYTE> bytes(png.begin(), png.end());
    if (!CreateFactory(factory) || FAILED(factory->CreateStream(stream.Out())) ||
        FAILED(stream->InitializeFromMemory(bytes.data(), static_cast<DWORD>(bytes.size()))) ||
        FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                                decoder.Out())) ||
        FAILED(decoder->GetFrame(0, frame.Out())) || FAILED(factory->CreateFormatConverter(converter.Out())) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone, nullptr,
                                     0.0, WICBitmapPaletteTypeCustom)))
        return std::nullopt;
    UINT width = 0, height = 0;
    if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0) return std::nullopt;
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    // A picture whose pixels would not fit in memory as a clipboard block is refused
    // rather than failing an allocation inside the host.
    if (stride > kMaxPixelBytes / height) return std::nullopt;
    std::vector<BYTE> topDown(stride * height);
    if (FAILED(converter->CopyPixels(nullptr, static_cast<UINT>(stride), static_cast<UINT>(topDown.size()),
                                     topDown.data())))
        return std::nullopt;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = static_cast<LONG>(width);
    header.biHeight = static_cast<LONG>(height);   // bottom-up, as every reader of CF_DIB takes it
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(topDown.size());
    std::string dib(reinterpret_cast<const char *>(&header), sizeof header);
    dib.reserve(sizeof header + topDown.size());
    for (UINT row = height; row-- > 0;) dib.append(reinterpret_cast<const char *>(&topDown[row * stride]), stride);
    return dib;
}

}  // namespace tlxhistory
