<?php
class Component {
    const KIND = 'component';
}
