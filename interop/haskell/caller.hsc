-- The kit from Haskell through GHC's FFI: c_w1 by reference with pointers to storage the
-- caller allocates, a Storable record whose layout hsc2hs takes from refdemo.h, and module
-- Foo on the run-time, its variable I through a foreign import of its address.
{-# LANGUAGE ForeignFunctionInterface #-}
module Main (main) where

#include "refdemo.h"

import Control.Exception (handle)
import Control.Monad (unless)
import Foreign
import Foreign.C
import System.Environment (getArgs, getProgName)
import System.Exit (exitFailure)
import System.IO (hFlush, hPutStr, hPutStrLn, stderr, stdout)
import GHC.IO.Exception (IOException (ioe_description))
import Text.Printf (printf)

data CRecord = CRecord {cI :: Int32, cD :: Double} deriving (Eq)

instance Storable CRecord where
  sizeOf _ = #{size c_record}
  alignment _ = #{alignment c_record}
  peek p = CRecord <$> #{peek c_record, c_i} p <*> #{peek c_record, c_d} p
  poke p r = #{poke c_record, c_i} p (cI r) >> #{poke c_record, c_d} p (cD r)

foreign import ccall "c_world" c_world :: IO ()
foreign import ccall "c_w1" c_w1 :: Ptr Int32 -> Ptr Double -> Ptr CRecord -> IO ()
foreign import ccall "_p_initialize" p_initialize :: Int32 -> Ptr CString -> Ptr CString -> IO ()
foreign import ccall "_p_finalize" p_finalize :: IO ()
foreign import ccall "init_Foo" init_Foo :: IO ()
foreign import ccall "Helloworld" helloworld :: IO ()
foreign import ccall "Hello" hello :: Ptr Int32 -> IO ()
foreign import ccall "&I" fooI :: Ptr Int32
foreign import ccall "fflush" fflush :: Ptr () -> IO CInt
foreign import ccall "_exit" c_exit :: CInt -> IO ()

-- Haskell's stdout has a buffer of its own and the kit writes through the C library's: each
-- is flushed before the other writes. A failure of either is an IOError whose description
-- is the system's words for its errno (strerror's).
kitDone, haskellDone :: IO ()
kitDone = throwErrnoIfMinus1_ "fflush" (fflush nullPtr)
haskellDone = hFlush stdout

-- A failed write of standard output, in one line as the kit's run-time says it. GHC's own
-- handler would print it with the handle's name, and say nothing at all, with status 0,
-- of a pipe whose reader has gone; and its exit would write the buffer again.
writeFailed :: IOException -> IO ()
writeFailed failure = do
  hPutStr stderr ("caller: write error: " ++ ioe_description failure ++ "\n")
  c_exit 1

main :: IO ()
main = handle writeFailed $ do
  -- The run-time keeps the vector it is handed: it is never freed.
  args <- (:) <$> getProgName <*> getArgs
  argv <- mapM newCString args >>= newArray0 nullPtr
  envp <- newArray0 nullPtr []
  p_initialize (fromIntegral (length args)) argv envp

  (intValue, realValue, record) <-
    with 3 $ \i -> with 7.23 $ \d -> with (CRecord 21 87.234) $ \r -> do
      c_world
      c_w1 i d r
      kitDone
      (,,) <$> peek i <*> peek d <*> peek r
  printf "left behind: %d %.4f %d %.4f\n" intValue realValue (cI record) (cD record)

  init_Foo
  init_Foo
  iBefore <- peek fooI
  printf "I before: %d\n" iBefore
  haskellDone
  x <- with 0 $ \x -> do
    helloworld
    hello x
    hello fooI
    kitDone
    peek x
  iAfter <- peek fooI
  printf "x = %d, I = %d\n" x iAfter
  haskellDone
  p_finalize

  unless ((intValue, realValue, record, x, iBefore, iAfter) ==
          (56, 3.1415, CRecord 42 1.2345, 99, 0, 99)) $ do
    hPutStrLn stderr "caller: a value left behind is wrong"
    exitFailure
