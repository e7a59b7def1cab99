! c_w1 and c_world in Fortran, for C callers. Dummy arguments may not alias when one of
! them is defined, and C hands the record's own field as i or d: so the routine takes the
! three addresses by value and reaches the storage through pointers, which may alias.
! printf is variadic, which Fortran cannot call: each line is put together in a buffer, the
! double through strfromd, which formats as printf does, and written by puts onto the C
! caller's stdout. No I/O statement and no allocatable string, so nothing calls gfortran's
! run-time library: a C program links the object with the C library alone, also on targets
! whose libgfortran only the target's own system holds.
module routines
  use, intrinsic :: iso_c_binding
  implicit none
  private

  interface
    integer(c_int) function puts(text) bind(c, name='puts')
      import :: c_int, c_char
      character(kind=c_char), intent(in) :: text(*)
    end function
    integer(c_int) function strfromd(text, size, format, value) bind(c, name='strfromd')
      import :: c_int, c_char, c_size_t, c_double
      character(kind=c_char), intent(out) :: text(*)
      integer(c_size_t), value :: size
      character(kind=c_char), intent(in) :: format(*)
      real(c_double), value :: value
    end function
  end interface

  ! The longest line: 27 characters, an integer's 11, 8 more, and %lf of a double (up to
  ! 309 digits before the point, 6 after, the point and a sign); then the zero byte.
  integer, parameter :: line_size = 400

contains

  subroutine add_text(line, length, text)
    character(kind=c_char, len=line_size), intent(inout) :: line
    integer, intent(inout) :: length
    character(*), intent(in) :: text
    line(length + 1:length + len(text)) = text
    length = length + len(text)
  end subroutine

  ! %i of an integer: its digits, after a minus sign where it is negative.
  subroutine add_integer(line, length, value)
    character(kind=c_char, len=line_size), intent(inout) :: line
    integer, intent(inout) :: length
    integer(c_int32_t), intent(in) :: value
    character(10) :: reversed
    integer(c_int64_t) :: rest
    integer :: count, n
    ! In 64 bits, where the most negative 32-bit integer has a magnitude.
    rest = abs(int(value, c_int64_t))
    count = 0
    do
      count = count + 1
      reversed(count:count) = achar(iachar('0') + int(mod(rest, 10_c_int64_t)))
      rest = rest / 10
      if (rest == 0) exit
    end do
    if (value < 0) call add_text(line, length, '-')
    do n = count, 1, -1
      call add_text(line, length, reversed(n:n))
    end do
  end subroutine

  ! %lf of a double.
  subroutine add_double(line, length, value)
    character(kind=c_char, len=line_size), intent(inout) :: line
    integer, intent(inout) :: length
    real(c_double), intent(in) :: value
    length = length + int(strfromd(line(length + 1:), int(line_size - length, c_size_t), &
                                   '%.6f' // c_null_char, value))
  end subroutine

  ! Writes the line and empties it.
  subroutine put_line(line, length)
    character(kind=c_char, len=line_size), intent(inout) :: line
    integer, intent(inout) :: length
    integer(c_int) :: ignored
    line(length + 1:length + 1) = c_null_char
    ignored = puts(line)
    length = 0
  end subroutine

  subroutine put_text(text)
    character(*), intent(in) :: text
    character(kind=c_char, len=line_size) :: line
    integer :: length
    length = 0
    call add_text(line, length, text)
    call put_line(line, length)
  end subroutine

  subroutine c_world() bind(c, name='c_world')
    call put_text('')
    call put_text('Hello World from C')
  end subroutine

  subroutine c_w1(i_address, d_address, r_address) bind(c, name='c_w1')
    type(c_ptr), value :: i_address, d_address, r_address
    type, bind(c) :: c_record
      integer(c_int32_t) :: c_i
      real(c_double) :: c_d
    end type
    integer(c_int32_t), pointer :: i
    real(c_double), pointer :: d
    type(c_record), pointer :: r
    character(kind=c_char, len=line_size) :: line
    integer :: length
    call c_f_pointer(i_address, i)
    call c_f_pointer(d_address, d)
    call c_f_pointer(r_address, r)
    length = 0
    call put_text('Now in function c_w1')
    call add_text(line, length, 'Hello again from C i = ')
    call add_integer(line, length, i)
    call put_line(line, length)
    call add_double(line, length, d)
    call add_text(line, length, 'XXX')
    call put_line(line, length)
    i = 56
    d = 3.1415_c_double
    call add_text(line, length, 'My record c_i = ')
    call add_integer(line, length, r%c_i)
    call add_text(line, length, ', c_d = ')
    call add_double(line, length, r%c_d)
    call put_line(line, length)
    r%c_i = 42
    r%c_d = 1.2345_c_double
    call add_text(line, length, 'My record changed to c_i = ')
    call add_integer(line, length, r%c_i)
    call add_text(line, length, ', c_d = ')
    call add_double(line, length, r%c_d)
    call put_line(line, length)
    call put_text('Leaving C')
  end subroutine
end module
