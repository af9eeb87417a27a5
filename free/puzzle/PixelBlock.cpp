// One allocation for many images.
#include "free/puzzle/PixelBlock.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <new>

namespace {
constexpr std::size_t kHugePage = std::size_t{2} << 20;

void ReleaseBlock(void* info) { delete static_cast<std::shared_ptr<TPixelBlock>*>(info); }
}  // namespace

TPixelBlock::TPixelBlock(std::size_t bytes) {
  const std::size_t rounded = std::max<std::size_t>(1, (bytes + kHugePage - 1) / kHugePage) * kHugePage;
  data_ = static_cast<uchar*>(std::aligned_alloc(kHugePage, rounded));
  if (!data_) throw std::bad_alloc();
  madvise(data_, rounded, MADV_HUGEPAGE);  // only advice: small pages serve as well, more slowly
}

TPixelBlock::~TPixelBlock() { std::free(data_); }

QImage BlockImage(const std::shared_ptr<TPixelBlock>& block, std::size_t offset, QSize size, QImage::Format format) {
  return QImage(block->At(offset), size.width(), size.height(), size.width() * 4, format, ReleaseBlock,
                new std::shared_ptr<TPixelBlock>(block));
}
