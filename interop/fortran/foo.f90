! Module Foo in Fortran, on the kit's run-time. A bind(c) variable would define the
! run-time's variables here (a common symbol) rather than refer to them, and Fortran cannot
! declare a variadic procedure: internal_write.c gives the address of _p_Output and the value
! of _p_InOutRes, and makes the variadic call with the seven arguments handed to it.
module foo
  use, intrinsic :: iso_c_binding
  implicit none
  private

  integer(c_int32_t), bind(c, name='I'), public :: i = 0

  integer(c_int32_t), parameter :: write_plain = 784, item_text = 17, item_line_end = 22
  ! Named constants, so read-only; each ends in its zero byte, which the length leaves out.
  character(kind=c_char, len=*), parameter :: hello_world = 'Hello world in Pascal' // c_null_char
  character(kind=c_char, len=*), parameter :: hello1 = 'Hello1' // c_null_char

  interface
    subroutine internal_write(file, flags, count, text_code, text, length, line_end_code) &
        bind(c, name='foo_internal_write')
      import :: c_ptr, c_int32_t, c_char
      type(c_ptr), value :: file
      integer(c_int32_t), value :: flags, count, text_code, length, line_end_code
      character(kind=c_char), intent(in) :: text(*)
    end subroutine
    subroutine p_checkinoutres() bind(c, name='_p_CheckInOutRes')
    end subroutine
    type(c_ptr) function output() bind(c, name='foo_output')
      import :: c_ptr
    end function
    integer(c_int32_t) function inoutres() bind(c, name='foo_inoutres')
      import :: c_int32_t
    end function
  end interface

contains

  subroutine write_line(text)
    character(kind=c_char, len=*), intent(in) :: text
    call internal_write(output(), write_plain, 2_c_int32_t, item_text, text, &
                        len(text, kind=c_int32_t) - 1_c_int32_t, item_line_end)
    if (inoutres() /= 0) call p_checkinoutres()
  end subroutine

  subroutine helloworld() bind(c, name='Helloworld')
    call write_line(hello_world)
  end subroutine

  ! Through a pointer, as C hands it: a dummy argument's store could legally move before the
  ! write, which may not see it, and the store must come after the write and its check.
  subroutine hello(x_address) bind(c, name='Hello')
    type(c_ptr), value :: x_address
    integer(c_int32_t), pointer :: x
    call c_f_pointer(x_address, x)
    call write_line(hello1)
    x = 99
  end subroutine

  subroutine init_foo() bind(c, name='init_Foo')
    integer(c_int8_t), save :: initialised = 0
    if (initialised == 0) initialised = 1
  end subroutine
end module
