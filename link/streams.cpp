#include "link/streams.h"

namespace zorn {

void TZEMemoryStream::Load(TData& data, uint16_t) {
  stream_.Clear();
  if (TStream* source = StreamOf(data)) {
    const std::string& bytes = source->Bytes();
    stream_.Append(bytes.data(), bytes.size());
  }
  FireStream(OnLoad, &stream_);
}

void TZEMemoryStream::Size(TData& data, uint16_t) {
  MakeInt(data, static_cast<int32_t>(stream_.Size()));
}

void TZEStreamConvertor::Convert(TData& data, uint16_t) {
  std::string text = ToStr(data);
  TStream stream;
  stream.Append(text.data(), text.size());
  stream.Rewind();
  FireStream(OnResult, &stream);
}

}  // namespace zorn
