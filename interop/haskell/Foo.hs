-- Module Foo in Haskell, on the kit's run-time: foo.c exports the routines, defines I
-- (Haskell defines no variable that C can name) and starts the RTS. Each line is the
-- seven-argument write, a capi import made in C through pascalrt.h's variadic prototype,
-- then the check of the pending I/O result. The texts are primitive string literals:
-- read-only, each with its zero byte, which the length leaves out.
{-# LANGUAGE CApiFFI, MagicHash #-}
module Foo () where

import Control.Monad (when)
import Data.Int (Int32)
import Data.IORef (IORef, newIORef, writeIORef)
import Foreign.C.Types (CChar)
import Foreign.Ptr (Ptr)
import Foreign.Storable (peek, poke)
import GHC.Exts (Ptr (..))
import System.IO.Unsafe (unsafePerformIO)

data PascalrtFile

foreign import ccall "&_p_Output" output :: Ptr PascalrtFile
foreign import ccall "&_p_InOutRes" inOutRes :: Ptr Int32
foreign import capi unsafe "pascalrt.h _p_Internal_Write" internalWrite
  :: Ptr PascalrtFile -> Int32 -> Int32 -> Int32 -> Ptr CChar -> Int32 -> Int32 -> IO ()
foreign import ccall unsafe "_p_CheckInOutRes" checkInOutRes :: IO ()

foreign export ccall "foo_helloworld" helloworld :: IO ()
foreign export ccall "foo_hello" hello :: Ptr Int32 -> IO ()
foreign export ccall "foo_init" initFoo :: IO ()

writeLine :: Ptr CChar -> Int32 -> IO ()
writeLine text len = do
  internalWrite output 784 2 17 text len 22
  result <- peek inOutRes
  when (result /= 0) checkInOutRes

helloworld :: IO ()
helloworld = writeLine (Ptr "Hello world in Pascal"#) 21

hello :: Ptr Int32 -> IO ()
hello x = do
  writeLine (Ptr "Hello1"#) 6
  poke x 99

-- The run-once flag; init_Foo sets it and does nothing else.
initialised :: IORef Bool
initialised = unsafePerformIO (newIORef False)
{-# NOINLINE initialised #-}

initFoo :: IO ()
initFoo = writeIORef initialised True
