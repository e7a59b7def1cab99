-- c_w1 and c_world in Haskell, for C callers: routines.c exports them and starts the RTS.
-- Every store and read goes through the caller's pointers in IO, in the order of the
-- steps, so a record's own field handed as i or d shows each store. The lines go through
-- the C library's printf (a capi import: GHC makes the variadic call in C, through
-- stdio.h's prototype), which formats the doubles as %lf does and keeps the lines on the
-- caller's stdout. The formats are primitive string literals (## is hsc2hs's #): read-only,
-- with a zero byte.
{-# LANGUAGE CApiFFI, MagicHash #-}
module Routines () where

#include "refdemo.h"

import Data.Int (Int32)
import Foreign.C.Types (CChar, CInt (..))
import Foreign.Ptr (Ptr)
import Foreign.Storable (peek, peekByteOff, poke, pokeByteOff)
import GHC.Exts (Ptr (..))

data CRecord

foreign import capi unsafe "stdio.h printf" printText :: Ptr CChar -> IO CInt
foreign import capi unsafe "stdio.h printf" printNumbers :: Ptr CChar -> Int32 -> Double -> IO CInt

foreign export ccall "routines_c_world" cWorld :: IO ()
foreign export ccall "routines_c_w1" cW1 :: Ptr Int32 -> Ptr Double -> Ptr CRecord -> IO ()

cWorld :: IO ()
cWorld = () <$ printText (Ptr "\nHello World from C\n"##)

cW1 :: Ptr Int32 -> Ptr Double -> Ptr CRecord -> IO ()
cW1 i d r = do
  _ <- printText (Ptr "Now in function c_w1\n"##)
  i0 <- peek i
  d0 <- peek d
  _ <- printNumbers (Ptr "Hello again from C i = %i\n%lfXXX\n"##) i0 d0
  poke i 56
  poke d 3.1415
  printRecord (Ptr "My record c_i = %i, c_d = %lf\n"##)
  #{poke c_record, c_i} r (42 :: Int32)
  #{poke c_record, c_d} r (1.2345 :: Double)
  printRecord (Ptr "My record changed to c_i = %i, c_d = %lf\n"##)
  () <$ printText (Ptr "Leaving C\n"##)
  where
    printRecord format = do
      ci <- #{peek c_record, c_i} r
      cd <- #{peek c_record, c_d} r
      () <$ printNumbers format ci cd
