// Time per frame and throughput of each processor, of the chain of all
// nine, and of a plain memory pass over the same frame as the floor.
#include "CImageBlurrer.h"
#include "CImageColorReplacer.h"
#include "CImageFlipper.h"
#include "CImageGrayer.h"
#include "CImageNegator.h"
#include "CImageResizer.h"
#include "CImageRotator.h"
#include "CImageShearer.h"
#include "CImageSharpener.h"
#include "ProcessorChain.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace {

std::vector<RGBX> Frame(CSize size)
{
    std::vector<RGBX> px(static_cast<size_t>(size.cx) * size.cy);
    uint32_t s = 12345;
    for (RGBX& p : px) {
        s ^= s << 13; s ^= s >> 17; s ^= s << 5;
        p = RGBX{static_cast<BYTE>(s), static_cast<BYTE>(s >> 8), static_cast<BYTE>(s >> 16), 0};
    }
    return px;
}

void SetThroughput(benchmark::State& state, CSize size)
{
    // Time is per frame (one iteration); bytes give the MB/s column.
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * size.cx * size.cy * 4);
}

CSize FrameSize(const benchmark::State& state)
{
    return CSize(static_cast<LONG>(state.range(0)), static_cast<LONG>(state.range(1)));
}

void BM_MemoryPass(benchmark::State& state)
{
    const CSize size = FrameSize(state);
    const std::vector<RGBX> src = Frame(size);
    std::vector<RGBX> dst(src.size());
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), src.size() * sizeof(RGBX));
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    SetThroughput(state, size);
}

// One processor's ProcessPixels on preallocated arrays, as the chain runs it.
void RunProcessor(benchmark::State& state, const std::function<std::unique_ptr<CImage32BitProcessor>()>& make)
{
    const CSize size = FrameSize(state);
    const std::vector<RGBX> src = Frame(size);
    std::unique_ptr<CImage32BitProcessor> p = make();
    const CSize out = p->CalcDestSize(size);
    std::vector<RGBX> srcCopy(src), dst(static_cast<size_t>(out.cx) * out.cy);
    for (auto _ : state) {
        p->ProcessPixels(srcCopy.data(), size, dst.data(), out);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    SetThroughput(state, size);
}

void BM_AllNine(benchmark::State& state)
{
    const CSize size = FrameSize(state);
    const std::vector<RGBX> src = Frame(size);
    CImageGrayer grey;
    CImageNegator neg;
    CImageFlipper flip(1, 1);
    CImageRotator rot(45, 1);
    CImageResizer scale(0.5);
    CImageShearer shear(50, 50, 1);
    CImageBlurrer blur(5);
    CImageSharpener sharp(5);
    CImageColorReplacer replace(0x000000, 0x0000FF);
    CProcessorArray chain;
    for (CImage32BitProcessor* p : std::initializer_list<CImage32BitProcessor*>{
             &grey, &neg, &replace, &flip, &rot, &scale, &shear, &blur, &sharp})
        chain.Add(p);
    for (auto _ : state) {
        RGBX* pSrc = AllocPixelArray(size);
        std::memcpy(pSrc, src.data(), src.size() * sizeof(RGBX));
        RGBX* pOut = nullptr;
        CSize outSize;
        RunProcessorChain(chain, pSrc, size, 0x00FFFFFF, &pOut, &outSize);
        FreePixelArray(pOut);
    }
    SetThroughput(state, size);
}

#define FRAMES ->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond)

BENCHMARK(BM_MemoryPass) FRAMES;
BENCHMARK_CAPTURE(RunProcessor, Grey, [] { return std::make_unique<CImageGrayer>(); }) FRAMES;
BENCHMARK_CAPTURE(RunProcessor, Negate, [] { return std::make_unique<CImageNegator>(); }) FRAMES;
BENCHMARK_CAPTURE(RunProcessor, Flip, [] { return std::make_unique<CImageFlipper>(1, 1); }) FRAMES;
BENCHMARK_CAPTURE(RunProcessor, ReplaceColor, [] { return std::make_unique<CImageColorReplacer>(0, 0xFF); }) FRAMES;
BENCHMARK_CAPTURE(RunProcessor, Rotate45Weighted, [] { return std::make_unique<CImageRotator>(45, 1); }) FRAMES;
BENCHMARK_CAPTURE(RunProcessor, Rotate45Nearest, [] { return std::make_unique<CImageRotator>(45, 0); }) FRAMES;
BENCHMARK_CAPTURE(RunProcessor, Shear50Weighted, [] { return std::make_unique<CImageShearer>(50, 50, 1); }) FRAMES;
BENCHMARK_CAPTURE(RunProcessor, ScaleHalf, [] { return std::make_unique<CImageResizer>(0.5); }) FRAMES;
BENCHMARK_CAPTURE(RunProcessor, ScaleDouble, [] { return std::make_unique<CImageResizer>(2.0); }) FRAMES;
BENCHMARK_CAPTURE(RunProcessor, Blur5, [] { return std::make_unique<CImageBlurrer>(5); }) FRAMES;
BENCHMARK_CAPTURE(RunProcessor, Sharpen5, [] { return std::make_unique<CImageSharpener>(5); }) FRAMES;
BENCHMARK(BM_AllNine) FRAMES;

} // namespace

BENCHMARK_MAIN();
