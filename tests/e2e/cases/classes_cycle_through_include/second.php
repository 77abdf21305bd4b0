<?php
class Second extends First {
    const B = 2;
}
